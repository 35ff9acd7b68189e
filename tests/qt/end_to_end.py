#!/usr/bin/env python3
"""The real program under Xvfb, driven with key events: open a recording named on the command
line, check the title and the plot's pixels, Ctrl+N, File Exit by the keyboard, and the end of
the session by SIGTERM.

usage: end_to_end.py TARVELIN TARVELIN_CLI"""

import math
import os
import re
import signal
import struct
import subprocess
import sys
import tempfile
import time

import screen

UNTITLED = "無題 - Tarvelin"


def sine_wave(path, hz=1000, rate=44100, seconds=1):
    """A full-scale 16-bit mono sine."""
    frames = b"".join(struct.pack("<h", round(32767 * math.sin(2 * math.pi * hz * t / rate)))
                      for t in range(rate * seconds))
    header = b"RIFF" + struct.pack("<I", 36 + len(frames)) + b"WAVE" + \
        b"fmt " + struct.pack("<IHHIIHH", 16, 1, 1, rate, rate * 2, 2, 16) + \
        b"data" + struct.pack("<I", len(frames))
    with open(path, "wb") as out:
        out.write(header + frames)


def wait_for(what, check, timeout=20.0, interval=0.05):
    deadline = time.monotonic() + timeout
    while True:
        value = check()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(interval)


class Display:
    """A private X server on a display number it chooses itself. It must not reset when its
    last client leaves: the probes between program runs would otherwise race a reset."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as numbers:
            number = numbers.readline().strip()
        if not number:
            raise AssertionError("Xvfb did not start")
        self.name = ":" + number
        # Take the server as ready only once a client has really connected to it.
        wait_for(f"the X server on {self.name}", lambda: subprocess.run(
            ["xwininfo", "-root", "-display", self.name], stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL).returncode == 0, timeout=10.0)

    def close(self):
        self.server.terminate()
        self.server.wait(timeout=10)


class Session:
    def __init__(self, display, folder):
        self.display = display
        self.env = {key: value for key, value in os.environ.items()
                    if key not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        runtime = os.path.join(folder, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        self.env.update(DISPLAY=display.name, XDG_CONFIG_HOME=os.path.join(folder, "config"),
                        XDG_RUNTIME_DIR=runtime)
        self.store = os.path.join(folder, "config", "Local AppWizard-Generated Applications", "Tarvelin.reg")

    def run(self, *args, timeout=20):
        return subprocess.run(list(args), env=self.env, capture_output=True, text=True, timeout=timeout)

    def titles(self):
        tree = self.run("xwininfo", "-root", "-tree").stdout
        return re.findall(r'^\s+0x[0-9a-f]+ "(.*)": \(', tree, re.MULTILINE)

    def wait_title(self, title, program=None):
        def shown():
            if program is not None and program.poll() is not None:
                output = program.stdout.read().decode(errors="replace")
                raise AssertionError(f"the program ended with status {program.returncode} "
                                     f"before showing {title!r}: {output}")
            return title in self.titles()
        wait_for(f"a window titled {title!r}", shown)

    def window(self, title):
        found = self.run("xdotool", "search", "--sync", "--onlyvisible", "--name", "^" + re.escape(title) + "$")
        ids = found.stdout.split()
        if not ids:
            raise AssertionError(f"no visible window titled {title!r}: {found.stderr}")
        return ids[0]

    def visible_windows(self):
        return set(self.run("xdotool", "search", "--onlyvisible", "--name", ".*").stdout.split())

    def key(self, *keys):
        self.run("xdotool", "key", "--delay", "50", *keys)

    def press_until(self, window, keys, what, check, attempts=5):
        """Focuses the window and presses the keys until check() holds. Without a window
        manager the program may take its first key before it knows it has the focus; the keys
        used here change nothing when pressed again."""
        for _ in range(attempts):
            self.run("xdotool", "windowfocus", "--sync", window)
            self.key(*keys)
            try:
                return wait_for(what, check, timeout=4.0)
            except AssertionError:
                continue
        raise AssertionError(f"timed out waiting for {what} after pressing {' '.join(keys)}")

    def start(self, program, *args):
        return subprocess.Popen([program, *args], env=self.env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)


def band_point(band, level):
    """Where the view draws a band: 200 pixels a decade from 100 Hz at 100, 3 pixels a dB."""
    x = max(100, -300 - math.trunc(-200 * math.log10(80 * band)))
    y = -60 - (math.trunc(3 * level) if math.isfinite(level) else 0)
    return x, min(y, 300)


def find_plot(shot):
    """The view's top-left corner: the top dB line is the first row with a black run of 600."""
    for y in range(shot.height):
        row = shot.rows[y]
        x = 0
        while x < shot.width:
            if row[x] == (0, 0, 0):
                start = x
                while x < shot.width and row[x] == (0, 0, 0):
                    x += 1
                if x - start == 600:
                    return start - 100, y - 60
            x += 1
    return None


def check_plot(shot, origin, points):
    ox, oy = origin
    for y in (60, 120, 180, 240, 300):
        for x in range(100, 700):
            assert shot.is_black(ox + x, oy + y), f"dB line pixel {x},{y}"
        assert shot.is_white(ox + 700, oy + y) or (700, y) in points, f"end pixel 700,{y} is drawn"
    for x in (100, 200, 300, 400, 500, 600):
        for y in range(0, 300):
            assert shot.is_black(ox + x, oy + y), f"frequency line pixel {x},{y}"
    for x, y in points:
        assert shot.is_black(ox + x, oy + y), f"spectrum point {x},{y}"
    label = [(x, y) for x in range(650, 690) for y in range(316, 332) if shot.is_black(ox + x, oy + y)]
    assert label, "no [Hz] label"


def main(tarvelin, cli):
    with tempfile.TemporaryDirectory() as folder:
        wave = os.path.join(folder, "sine.wav")
        sine_wave(wave)
        levels = subprocess.run([cli, "levels", wave], capture_output=True, text=True, check=True).stdout.split()[1:]
        points = set()
        for row in levels:
            band, _, level = row.split(",")
            if 1 <= int(band) <= 498:
                x, y = band_point(int(band), float(level))
                if 0 <= y < 360:
                    points.add((x, y))
        assert len(points) > 100, "the sine's spectrum should mostly lie inside the view"

        display = Display()
        program = None
        try:
            session = Session(display, folder)
            program = session.start(tarvelin, wave)
            session.wait_title("sine.wav - Tarvelin", program)
            window = session.window("sine.wav - Tarvelin")

            shot = wait_for("the plot on the screen", lambda: (lambda s: (s, find_plot(s)) if find_plot(s) else None)(
                screen.grab(display.name, session.env)))
            shot, origin = shot
            if os.environ.get("TARVELIN_E2E_SCREENSHOT"):
                shot.save_png(os.environ["TARVELIN_E2E_SCREENSHOT"])
            check_plot(shot, origin, points)

            session.press_until(window, ["ctrl+n"], f"a window titled {UNTITLED!r}",
                                lambda: UNTITLED in session.titles())
            # The new document's line runs above the view: the spectrum's pixels are gone.
            cleared = screen.grab(display.name, session.env)
            off_grid = [(x, y) for x, y in points if x % 100 and y % 60]
            assert len(off_grid) > 50
            assert all(cleared.is_white(origin[0] + x, origin[1] + y) for x, y in off_grid), "the plot was not cleared"

            before = session.visible_windows()
            session.press_until(window, ["alt+f"], "the File menu", lambda: session.visible_windows() - before)
            session.key("x")
            status = program.wait(timeout=20)
            output = program.stdout.read().decode(errors="replace")
            assert status == 0, f"exit status {status}: {output}"
            with open(session.store, encoding="utf-8") as store:
                assert f'"File1"="{wave}"' in store.read(), "the recent file was not kept"

            # The session ends: the settings are written and the run ends cleanly.
            program = session.start(tarvelin)
            session.wait_title(UNTITLED, program)
            os.remove(session.store)
            program.send_signal(signal.SIGTERM)
            status = program.wait(timeout=20)
            assert status == 0, f"exit status {status} after SIGTERM"
            with open(session.store, encoding="utf-8") as store:
                assert f'"File1"="{wave}"' in store.read(), "the settings were not written at the session's end"
            program = None
        finally:
            if program is not None and program.poll() is None:
                program.kill()
                program.wait()
            display.close()
    print("end-to-end: passed")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
