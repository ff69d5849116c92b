"""Screenshots of two builds compared pixel for pixel (scripts/compare-screens).

    compare-screens [BASE_REV]   base revision against the current build
    compare-screens --self       the current build against itself (a steadiness check)
    compare-screens --base-dir DIR [--current-dir DIR]   two program folders as they are

BASE_REV defaults to the merge base of HEAD and main: the revision this branch
started from. Its program folder is built once per revision from an exported
copy of its tree (build/screens/<commit>/src, build tree
build/screens/<commit>/win) and reused afterwards. The current build is
build/win/bin, brought up to date first unless --no-build. Both captures run
at the same time, each in its own X server and Wine prefix, on the same input
files (made by the current build's r58ctl)."""
import argparse
import os
import shutil
import subprocess
import sys
import time
from concurrent.futures import ThreadPoolExecutor

import compare

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
ISOLATED = os.path.join(ROOT, "scripts", "isolated")
SCREENS = os.path.join(ROOT, "build", "screens")
PYTHON = "/usr/bin/python3"
CAPTURE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "capture.py")
# What a capture needs of a program folder; a revision without the editor
# launcher simply has no editor shots.
PROGRAM_TARGETS = ["KestrelonR58", "hid", "editor_launcher"]
BUILT_MARK = "screens-built"


def git(*args):
    return subprocess.run(["git", "-C", ROOT, *args], capture_output=True, text=True,
                          check=True).stdout.strip()


def default_base():
    try:
        return git("merge-base", "HEAD", "main")
    except subprocess.CalledProcessError:
        return git("rev-parse", "HEAD")


def resolve(revision):
    try:
        return git("rev-parse", "--verify", "--quiet", revision + "^{commit}")
    except subprocess.CalledProcessError:
        raise SystemExit("compare-screens: %s is not a revision of this repository" % revision)


def run_logged(command, log, **kwargs):
    with open(log, "a") as f:
        f.write("$ %s\n" % " ".join(command))
        f.flush()
        subprocess.run(command, stdout=f, stderr=subprocess.STDOUT, check=True, **kwargs)


def existing_targets(build_dir, wanted):
    listed = subprocess.run(["cmake", "--build", build_dir, "--target", "help"],
                            capture_output=True, text=True, check=True).stdout
    names = {line.split(":")[0].strip(" .") for line in listed.splitlines()}
    return [t for t in wanted if t in names]


def build_revision(commit):
    """The program folder of a revision, built once into build/screens/<commit>."""
    home = os.path.join(SCREENS, commit[:12])
    source, tree = os.path.join(home, "src"), os.path.join(home, "win")
    program = os.path.join(tree, "bin")
    if os.path.exists(os.path.join(home, BUILT_MARK)):
        return program, "reused"
    log = os.path.join(home, "build.log")
    shutil.rmtree(source, ignore_errors=True)
    os.makedirs(source)
    archive = subprocess.Popen(["git", "-C", ROOT, "archive", commit], stdout=subprocess.PIPE)
    subprocess.run(["tar", "-x", "-C", source], stdin=archive.stdout, check=True)
    if archive.wait() != 0:
        raise SystemExit("compare-screens: git archive %s failed" % commit)
    run_logged(["cmake", "-S", source, "-B", tree, "-G", "Ninja",
                "-DCMAKE_TOOLCHAIN_FILE=" + os.path.join(source, "cmake", "mingw-w64.cmake"),
                "-DCMAKE_BUILD_TYPE=RelWithDebInfo"], log)
    run_logged(["cmake", "--build", tree, "--target", *existing_targets(tree, PROGRAM_TARGETS)],
               log)
    open(os.path.join(home, BUILT_MARK), "w").close()
    return program, "built"


def build_current():
    """Brings the current program folder and the native r58ctl up to date."""
    win, native = os.path.join(ROOT, "build", "win"), os.path.join(ROOT, "build", "native")
    log = os.path.join(SCREENS, "current-build.log")
    if not (os.path.exists(os.path.join(win, "build.ninja")) and
            os.path.exists(os.path.join(native, "build.ninja"))):
        run_logged([os.path.join(ROOT, "scripts", "build")], log)
        return
    run_logged(["cmake", "--build", native, "--target", "r58ctl"], log)
    run_logged(["cmake", "--build", win, "--target", *existing_targets(win, PROGRAM_TARGETS)],
               log)


def capture(label, program_dir, folder, r58ctl):
    """One capture in its own X server and Wine prefix; (problems, seconds, log)."""
    started = time.monotonic()
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    log = folder + ".log"
    # A screen and a copy of the prepared prefix of its own (scripts/isolated).
    env = dict(os.environ, WINEDEBUG="-all", R58_PROGRAM_DIR=program_dir, R58CTL=r58ctl)
    with open(log, "w") as f:
        f.write("%s: %s\n" % (label, program_dir))
        f.flush()
        subprocess.run([ISOLATED, "screens-" + label, PYTHON, CAPTURE, folder], env=env,
                       stdout=f, stderr=subprocess.STDOUT, cwd=ROOT)
    problems_file = os.path.join(folder, "_problems.txt")
    problems = []
    if os.path.exists(problems_file):
        with open(problems_file) as f:
            problems = [line.rstrip() for line in f if line.strip()]
    else:
        problems = ["the capture ended early: see " + log]
    return problems, time.monotonic() - started, log


def main(argv=None):
    parser = argparse.ArgumentParser(
        description="Captures the program's screenshots for a base revision and the current "
        "build and compares them pixel for pixel; exit status 0 only when every shot is "
        "identical.")
    parser.add_argument("base", nargs="?", help="git revision (default: merge base of HEAD "
                        "and main)")
    parser.add_argument("--self", dest="itself", action="store_true",
                        help="capture the current build twice and compare")
    parser.add_argument("--base-dir", help="a program folder to use as the base, as it is")
    parser.add_argument("--current-dir", help="a program folder to use instead of build/win/bin "
                        "(implies --no-build)")
    parser.add_argument("--no-build", action="store_true",
                        help="use build/win/bin as it is")
    parser.add_argument("--out", default=os.path.join(SCREENS, "out"),
                        help="folder for both captures and the diff images")
    args = parser.parse_args(argv)
    if sum(map(bool, (args.itself, args.base, args.base_dir))) > 1:
        parser.error("give one of BASE_REV, --self and --base-dir")
    started = time.monotonic()
    os.makedirs(SCREENS, exist_ok=True)

    current_dir = os.path.abspath(args.current_dir or os.path.join(ROOT, "build", "win", "bin"))
    r58ctl = os.path.join(ROOT, "build", "native", "bin", "r58ctl")
    if not (args.no_build or args.current_dir):
        print("building the current tree ...", flush=True)
        build_current()
    if args.itself:
        labels = ("first", "second")
        programs = (current_dir, current_dir)
    elif args.base_dir:
        labels = ("base", "current")
        programs = (os.path.abspath(args.base_dir), current_dir)
    else:
        commit = resolve(args.base or default_base())
        print("base %s (%s)" % (commit[:12], git("log", "-1", "--format=%s", commit)[:70]),
              flush=True)
        build_started = time.monotonic()
        base_dir, how = build_revision(commit)
        print("base build %s: %.0f s" % (how, time.monotonic() - build_started), flush=True)
        labels = ("base", "current")
        programs = (base_dir, current_dir)

    capture_started = time.monotonic()
    args.out = os.path.abspath(args.out)
    folders = [os.path.join(args.out, label) for label in labels]
    with ThreadPoolExecutor(2) as pool:
        runs = list(pool.map(capture, labels, programs, folders, (r58ctl, r58ctl)))
    print("captures: %.0f s (%s)" % (time.monotonic() - capture_started, ", ".join(
        "%s %.0f s" % (label, run[1]) for label, run in zip(labels, runs))))

    diff_folder = os.path.join(args.out, "diff")
    shutil.rmtree(diff_folder, ignore_errors=True)
    result = compare.compare_folders(folders[0], folders[1], diff_folder)
    lines = compare.report_lines(result, *labels)
    for label, (problems, _, log) in zip(labels, runs):
        lines += ["PROBLEM  %s: %s" % (label, p) for p in problems]
        if problems:
            lines.append("         (capture log: %s)" % log)
    lines.append("shots in %s; diff images in %s; %.0f s in all" % (
        args.out, diff_folder, time.monotonic() - started))
    with open(os.path.join(args.out, "report.txt"), "w") as f:
        f.write("\n".join(lines) + "\n")
    print("\n".join(lines))
    return 0 if result.clean() and not any(run[0] for run in runs) else 1


if __name__ == "__main__":
    sys.exit(main())
