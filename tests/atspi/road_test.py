#!/usr/bin/python3
"""The road a screen reader user takes, walked only through AT-SPI as Orca meets the program.

  road_test.py PROGRAM STRINGS_DIR LANG [--dump[=STEP]]   (prints the accessible tree)

Runs itself again inside a D-Bus session of its own (dbus-run-session), starts the
accessibility bus, a virtual X display and the program there, and acts on the program only
through AT-SPI: typing with EditableText, pressing with Action, reading names, roles, states,
children and values. Fails on a step that cannot be done and on an actionable object without a
name. All processes end with it; every wait is bounded.
"""

import os
import signal
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
TOTAL_TIMEOUT = 300


def run_outer(argv):
    # A D-Bus session of our own. Everything started inside it stays in its process group, which
    # is killed whole at the end, on a time-out and when ctest stops us.
    process = subprocess.Popen(["dbus-run-session", "--", sys.executable, __file__, "--inner"]
                               + argv, start_new_session=True)

    def stopped(number, frame):
        os.killpg(process.pid, signal.SIGKILL)
        sys.exit(1)

    signal.signal(signal.SIGTERM, stopped)
    signal.signal(signal.SIGINT, stopped)
    try:
        return process.wait(timeout=TOTAL_TIMEOUT)
    except subprocess.TimeoutExpired:
        print(f"FAIL: the road took longer than {TOTAL_TIMEOUT} s", flush=True)
        return 1
    finally:
        try:
            os.killpg(process.pid, signal.SIGKILL)  # what outlived the session (the bus's helpers)
        except ProcessLookupError:
            pass
        process.wait()


def main():
    args = sys.argv[1:]
    if not args or args[0] != "--inner":
        return run_outer(args)
    sys.path.insert(0, HERE)
    from session import Session, StepFailed

    program, strings_dir, lang = args[1], args[2], args[3]
    session = Session(program, lang)
    try:
        session.start_desktop()
        import road  # pyatspi connects to the accessibility bus on import

        road.run(session, lang, strings_dir, dump=next((a[len("--dump="):] or True for a in args if a.startswith("--dump")), False))
        print(f"PASS: the road in {lang}", flush=True)
        return 0
    except StepFailed as failure:
        print(f"FAIL ({lang}): {failure}", flush=True)
        output = session.program_output()
        if output:
            print("program output:\n" + output, flush=True)
        return 1
    finally:
        session.stop()


if __name__ == "__main__":
    sys.exit(main())
