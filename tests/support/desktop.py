"""Runs the project's programs as a user would: natively, or the Windows build under Wine on
a virtual X display of its own, where its message boxes are found and answered with xdotool."""

import os
import re
import shutil
import subprocess
import tempfile
import time
import unittest


class Desktop:
    """For the Windows build, a Wine prefix kept for these tests and its virtual display."""

    def __init__(self, wine_run=None, arch=None, prefix=None):
        self.wine_run = wine_run
        self.arch = arch
        self.prefix = prefix
        self.display = None
        if wine_run:
            # wine-run puts every program of a prefix on the prefix's own display.
            self.display = subprocess.run(
                [wine_run, arch, "--display"], env=self.env(), check=True,
                capture_output=True, text=True).stdout.strip()

    def close(self):
        if self.wine_run:
            subprocess.run([self.wine_run, self.arch, "--stop"], env=self.env(), check=False)

    def env(self, extra=None):
        env = dict(os.environ)
        if self.display:
            env["DISPLAY"] = self.display
        if self.prefix:
            env["WINEPREFIX"] = self.prefix
        env.update(extra or {})
        return env

    def command(self, program, args):
        return ([self.wine_run, self.arch] if self.wine_run else []) + [program] + list(args)

    def start(self, program, args, extra_env=None, **kw):
        return subprocess.Popen(self.command(program, args), env=self.env(extra_env), **kw)

    def windows(self, name):
        out = subprocess.run(["xdotool", "search", "--name", name], env=self.env(),
                             capture_output=True, text=True).stdout
        return out.split()

    def wait_window(self, name, timeout=30):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            found = self.windows(name)
            if found:
                return found[0]
            time.sleep(0.2)
        raise AssertionError(f"no window named {name!r} appeared")

    def title(self, window):
        return subprocess.run(["xdotool", "getwindowname", window], env=self.env(),
                              capture_output=True, text=True).stdout.rstrip("\n")

    def answer(self, window, key, process, timeout=30):
        """Presses key on the box until its process ends (a key sent while the box is still
        taking the focus can be lost); returns the exit status."""
        deadline = time.monotonic() + timeout
        while True:
            subprocess.run(["xdotool", "windowfocus", "--sync", window], env=self.env(),
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
            subprocess.run(["xdotool", "key", key], env=self.env(), check=True)
            try:
                return process.wait(timeout=1)
            except subprocess.TimeoutExpired:
                if time.monotonic() > deadline:
                    raise


class DesktopTestCase(unittest.TestCase):
    """A test class's Desktop and scratch folder; the subclass sets wine_run, arch and prefix
    (None each for the native build)."""

    wine_run = arch = prefix = None

    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop(cls.wine_run, cls.arch, cls.prefix)
        cls.dir = temp_dir()

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()
        remove(cls.dir)


def wine_box_texts(trace):
    """The texts of the message boxes in a Wine trace taken with WINEDEBUG=+msgbox."""
    texts = []
    for m in re.finditer(r'MSGBOX_OnInit L"((?:[^"\\]|\\.)*)"', trace):
        texts.append(re.sub(r"\\([0-9a-f]{4})|\\(.)",
                            lambda g: chr(int(g[1], 16)) if g[1] else g[2], m[1]))
    return texts


def gbk_hex(text):
    return text.encode("gbk").hex()


def temp_dir():
    return tempfile.mkdtemp(prefix="kestrival-")


def remove(path):
    shutil.rmtree(path, ignore_errors=True)
