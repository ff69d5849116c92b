"""A capture runs beside other work without touching it: in a virtual X
server of its own (Xvfb picks a free display and tells us through
-displayfd) and in a Wine prefix of its own, copied from a prepared one."""
import contextlib
import os
import select
import shutil
import subprocess
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WINE_EXEC = os.path.join(ROOT, "scripts", "wine-exec")
SCREEN = "1920x1080x24"
READY_MARK = ".r58-ready"  # written by scripts/wine-exec once a prefix is prepared


@contextlib.contextmanager
def virtual_screen(timeout=30):
    """Starts Xvfb on a free display; yields (DISPLAY value ":N", the server's pid)."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN, "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    try:
        number = b""
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], timeout)
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                raise RuntimeError("Xvfb gave no display number (exit status %s)" % server.poll())
            number += chunk
        yield ":" + number.decode().strip(), server.pid
    finally:
        os.close(read_end)
        server.terminate()
        try:
            server.wait(10)
        except subprocess.TimeoutExpired:
            server.kill()
            server.wait()


def server_folder_name(prefix):
    """The name of the folder in which Wine's server for this prefix keeps its
    socket and which it makes its working folder: named after the prefix's
    device and inode (the folder holding it is /tmp/.wine-UID upstream and a
    private /tmp/wine-XXXXXX folder in Debian's Wine)."""
    status = os.stat(prefix)
    return "server-%x-%x" % (status.st_dev, status.st_ino)


def wineserver_serves(prefix):
    """True when a Wine server is running on this prefix."""
    name = server_folder_name(prefix)
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/comm" % pid) as f:
                if not f.read().startswith("wineserver"):
                    continue
            if os.path.basename(os.readlink("/proc/%s/cwd" % pid)) == name:
                return True
        except OSError:
            continue
    return False


def is_prepared(prefix):
    return os.path.isfile(os.path.join(prefix, READY_MARK))


def prepare_prefix(prefix, display):
    """A fresh prefix made the way scripts/wine-exec makes the project's."""
    env = dict(os.environ, WINEPREFIX=prefix, DISPLAY=display, WINEDEBUG="-all")
    subprocess.run([WINE_EXEC, "cmd", "/c", "exit"], env=env, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, check=True, timeout=300)
    stop_wineserver(prefix)
    if not is_prepared(prefix):
        raise RuntimeError("could not prepare a Wine prefix in " + prefix)


def stop_wineserver(prefix):
    """Ends the Wine server of this prefix (only ever one of our own copies)."""
    env = dict(os.environ, WINEPREFIX=prefix)
    subprocess.run(["wineserver", "-k"], env=env, capture_output=True, timeout=60)
    subprocess.run(["wineserver", "-w"], env=env, capture_output=True, timeout=60)


def prefix_source(project_prefix, own_prefix, display):
    """The prefix to copy: the project's prepared one while no Wine server runs
    on it (a copy of a prefix in use may catch its registry half-written);
    otherwise our own, made fresh when missing."""
    if is_prepared(project_prefix) and not wineserver_serves(project_prefix):
        return project_prefix
    if not is_prepared(own_prefix):
        os.makedirs(own_prefix, exist_ok=True)
        prepare_prefix(own_prefix, display)  # scripts/wine-exec locks while it prepares
    return own_prefix


@contextlib.contextmanager
def private_prefix(source, scratch):
    """A copy of the prepared prefix `source` under `scratch`; its Wine server
    ended and the copy removed afterwards."""
    os.makedirs(scratch, exist_ok=True)
    copy = os.path.join(tempfile.mkdtemp(prefix="prefix-", dir=scratch), "wineprefix")
    subprocess.run(["cp", "-a", source, copy], check=True)
    try:
        yield copy
    finally:
        stop_wineserver(copy)
        shutil.rmtree(os.path.dirname(copy), ignore_errors=True)
