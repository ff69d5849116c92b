"""The capture's own X server and the check that keeps it from copying a Wine
prefix in use, against the real Xvfb and wineserver."""
import os
import subprocess

import isolation


def screen_of(display):
    out = subprocess.run(["xdpyinfo", "-display", display], capture_output=True, text=True,
                         check=True).stdout
    return next(line.split()[1] for line in out.splitlines() if "dimensions:" in line)


def test_two_screens_at_once_get_their_own_displays():
    with isolation.virtual_screen() as (first, _), isolation.virtual_screen() as (second, pid):
        assert first != second
        assert screen_of(first) == screen_of(second) == "1920x1080"
        assert os.path.exists("/proc/%d" % pid)
    assert not os.path.exists("/proc/%d" % pid), "the X server outlived its capture"


def test_a_prefix_counts_as_in_use_exactly_while_its_server_runs(tmp_path):
    prefix = str(tmp_path / "prefix")
    other = str(tmp_path / "other")
    os.makedirs(prefix)
    os.makedirs(other)
    env = dict(os.environ, WINEPREFIX=prefix)
    subprocess.run(["wineserver", "-p"], env=env, check=True)  # stays until killed
    try:
        assert isolation.wineserver_serves(prefix)
        assert not isolation.wineserver_serves(other)
    finally:
        isolation.stop_wineserver(prefix)
    assert not isolation.wineserver_serves(prefix)


def test_a_busy_or_unprepared_project_prefix_is_not_copied(tmp_path):
    project, own = str(tmp_path / "project"), str(tmp_path / "own")
    for folder in (project, own):
        os.makedirs(folder)
        open(os.path.join(folder, isolation.READY_MARK), "w").close()
    assert isolation.prefix_source(project, own, ":0") == project
    subprocess.run(["wineserver", "-p"], env=dict(os.environ, WINEPREFIX=project), check=True)
    try:
        assert isolation.prefix_source(project, own, ":0") == own
    finally:
        isolation.stop_wineserver(project)
    os.remove(os.path.join(project, isolation.READY_MARK))
    assert isolation.prefix_source(project, own, ":0") == own
