import subprocess

import pytest

from r58driver import Program, wine_env


@pytest.fixture(scope="session", autouse=True)
def wine_on_this_display():
    """A Wine server left from another X server would keep that screen's size."""
    subprocess.run(["wineserver", "-k"], env=wine_env(), capture_output=True)
    yield


@pytest.fixture
def program():
    """The program started on a first start's files; stopped afterwards."""
    run = Program()
    yield run
    run.stop()
