import os
import subprocess

import pytest

from r58driver import ROOT, Program, wine_env

ISOLATED = os.path.join(ROOT, "scripts", "isolated")


def worker_name():
    """gw0, gw1 … under pytest-xdist; "e2e" when the scenarios run in one process."""
    return "e2e-" + os.environ.get("PYTEST_XDIST_WORKER", "serial")


def pytest_configure(config):
    """Each worker gets a screen and a Wine prefix of its own, so that no two
    scenarios share a display, a wineserver, the single-instance mutex or a
    per-user folder."""
    if os.environ.get("R58_E2E_SHARED_SCREEN"):
        return  # the display and prefix given, to watch a scenario on one's own screen
    controller = not os.environ.get("PYTEST_XDIST_WORKER") and \
        getattr(config.option, "numprocesses", None) not in (None, 0)
    if controller:
        return  # the workers run the scenarios
    started = subprocess.run([ISOLATED, "start", worker_name()], capture_output=True, text=True)
    if started.returncode != 0:
        raise pytest.UsageError("no screen of its own for %s: %s" % (worker_name(),
                                                                  started.stderr.strip()))
    for line in started.stdout.splitlines():
        key, _, value = line.partition("=")
        os.environ[key] = value
    config.r58_isolated = worker_name()


def pytest_unconfigure(config):
    name = getattr(config, "r58_isolated", None)
    if name:
        subprocess.run([ISOLATED, "stop", name], capture_output=True)


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
