"""A private desktop for one run of the program under a screen reader's eyes.

Session starts, inside the D-Bus session of the calling process (road_test.py re-runs itself
under dbus-run-session), the accessibility bus, a virtual X display and the program, and stops
them all again, whatever happened. Every wait is bounded and polls for the state it waits for.
"""

import os
import random
import shutil
import signal
import subprocess
import tempfile
import time

LIBEXEC_DIRS = ["/usr/libexec", "/usr/libexec/at-spi2", "/usr/lib/at-spi2-core"]


class StepFailed(Exception):
    pass


def find_libexec(name):
    for folder in LIBEXEC_DIRS:
        path = os.path.join(folder, name)
        if os.access(path, os.X_OK):
            return path
    raise StepFailed(f"{name} not found in {', '.join(LIBEXEC_DIRS)}")


def wait_for(what, probe, timeout=20.0, interval=0.05):
    """Polls probe() until it returns something true; that value, or StepFailed."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = probe()
            if value:
                return value
        except Exception as error:  # an object gone while it was read: ask again
            last_error = error
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error})" if last_error else ""
            raise StepFailed(f"timed out waiting for {what}{detail}")
        time.sleep(interval)


class Session:
    def __init__(self, program, lang):
        self.program = program
        self.lang = lang
        self.processes = []
        self.folder = tempfile.mkdtemp(prefix="tolvane-atspi-")
        self.display = None

    def _start(self, args, **kwargs):
        # In the road test's process group, which its outer process kills whole.
        process = subprocess.Popen(args, **kwargs)
        self.processes.append(process)
        return process

    def start_desktop(self):
        runtime = os.path.join(self.folder, "runtime")
        os.makedirs(runtime, mode=0o700)
        os.environ["XDG_RUNTIME_DIR"] = runtime
        os.environ["GSETTINGS_BACKEND"] = "memory"
        # The display: a free number far from those people and other tests pick by hand,
        # taken when its server answers (another may take the same number at the same time).
        for attempt in range(30):
            number = random.randint(300, 2000)
            if os.path.exists(f"/tmp/.X{number}-lock"):
                continue
            server = self._start(["Xvfb", f":{number}", "-screen", "0", "700x1000x24",
                                  "-nolisten", "tcp", "-noreset"], stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
            if self._display_answers(server, f":{number}"):
                self.display = f":{number}"
                break
            self._stop(server)
        else:
            raise StepFailed("no virtual display could be started")
        os.environ["DISPLAY"] = self.display
        # The accessibility bus; the registry is started on it by D-Bus activation.
        self._start([find_libexec("at-spi-bus-launcher"), "--launch-immediately"],
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("the accessibility bus", self._bus_address, timeout=20)

    def _display_answers(self, server, display):
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline and server.poll() is None:
            probe = subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True,
                                   env=dict(os.environ, DISPLAY=display), timeout=5)
            if probe.returncode == 0:
                return True
            time.sleep(0.05)
        return False

    def _bus_address(self):
        result = subprocess.run(["dbus-send", "--session", "--print-reply=literal",
                                 "--dest=org.a11y.Bus", "/org/a11y/bus",
                                 "org.a11y.Bus.GetAddress"], capture_output=True, text=True,
                                timeout=5)
        return result.returncode == 0 and result.stdout.strip()

    def start_program(self):
        data = os.path.join(self.folder, "data")
        os.makedirs(data)
        env = dict(os.environ)
        env.update({"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_QPA_PLATFORM": "xcb",
                    "QT_ACCESSIBILITY": "1", "LANG": "C.UTF-8"})
        env.pop("QT_SCALE_FACTOR", None)
        self.log = open(os.path.join(self.folder, "program.log"), "w")
        self.app_process = self._start(
            [self.program, "--lang", self.lang, "--data-dir", data, "--server",
             "http://127.0.0.1:9"], env=env, stdout=self.log, stderr=subprocess.STDOUT)
        return self.app_process

    def focus_program_window(self):
        """What a window manager does on the virtual display, which has none: the program's
        window gets the keyboard."""

        def probe():
            # The main window by its title: a dialog that is closing may still be mapped.
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                    str(self.app_process.pid), "--name", "^Tolvane$"],
                                   capture_output=True, text=True, timeout=5)
            ids = found.stdout.split()
            if not ids:
                return False
            return subprocess.run(["xdotool", "windowfocus", ids[0]], capture_output=True,
                                  timeout=5).returncode == 0

        wait_for("the program's window on the display", probe, timeout=15)

    def key(self, name):
        """A key pressed on the program's window, as the keyboard does."""
        self.focus_program_window()
        subprocess.run(["xdotool", "key", name], capture_output=True, timeout=5, check=True)

    def program_output(self):
        """The program's terminal output and its own log."""
        output = ""
        for name in ("program.log", os.path.join("data", "Tolvane.log")):
            try:
                with open(os.path.join(self.folder, name)) as log:
                    output += log.read()[-4000:]
            except OSError:
                pass
        return output

    @staticmethod
    def _signal(process, number):
        try:
            process.send_signal(number)
        except ProcessLookupError:
            pass

    def _stop(self, process):
        if process.poll() is None:
            self._signal(process, signal.SIGTERM)
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            self._signal(process, signal.SIGKILL)
            process.wait(timeout=5)

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                self._signal(process, signal.SIGTERM)
        for process in reversed(self.processes):
            self._stop(process)
        if getattr(self, "log", None):
            self.log.close()
        shutil.rmtree(self.folder, ignore_errors=True)
