"""The single-instance guard with real processes: the guard probe and the kestrival program,
natively (boxes on a pseudo-terminal) or the Windows build under Wine (boxes on a virtual
display, read from Wine's message box trace and answered with xdotool).

usage: guard_probe_test.py GUARD-PROBE KESTRIVAL [WINE-RUN ARCH PREFIX]"""

import os
import pty
import select
import signal
import subprocess
import sys
import time
import unittest
import uuid

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "support"))
from desktop import DesktopTestCase, gbk_hex, wine_box_texts  # noqa: E402

PROBE, KESTRIVAL = sys.argv[1:3]
WINE_RUN, ARCH, PREFIX = (sys.argv[3:6] + [None] * 3)[:3]
WINDOWS = WINE_RUN is not None
DEFAULT_MESSAGE = "对不起,该进程已打开!"
DERIVED_NAME = "917b41c1b5ace220c8b4dcacd5857727"
WAIT = 60 if WINDOWS else 10  # seconds a copy may take to start or end


def fresh_name():
    return "guard-test-" + uuid.uuid4().hex


class Guard(DesktopTestCase):
    wine_run, arch, prefix = WINE_RUN, ARCH, PREFIX

    def setUp(self):
        self.running = []

    def tearDown(self):
        for p in self.running:
            p.kill()
            p.wait()

    # -- copies of the probe ---------------------------------------------------------------

    def start(self, args, program=PROBE):
        p = self.desktop.start(program, args, stdin=subprocess.DEVNULL,
                               stdout=-1, stderr=subprocess.DEVNULL)
        self.running.append(p)
        return p

    def holding(self, args):
        """Starts a copy that must get past the guard; returns it once it says so."""
        p = self.start(args)
        ready, _, _ = select.select([p.stdout], [], [], WAIT)
        self.assertTrue(ready, f"copy {args} did not get past the guard")
        line = p.stdout.readline().decode()
        self.assertTrue(line.startswith("holding "), line)
        return p, line.split()[1] if len(line.split()) > 1 else ""

    def ends_silently(self, args):
        p = self.start(args)
        self.assertEqual(p.wait(timeout=WAIT), 0)
        self.assertEqual(p.stdout.read(), b"")

    def box_then_end(self, args, program=PROBE, key="Return"):
        """Runs a copy that must show a box titled Kestrival and end with 0 once it is
        answered; returns the text the box showed."""
        if WINDOWS:
            trace = os.path.join(self.dir, uuid.uuid4().hex)
            with open(trace, "w") as err:
                p = self.desktop.start(program, args, {"WINEDEBUG": "+msgbox"},
                                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                       stderr=err)
                self.running.append(p)
                window = self.desktop.wait_window("^Kestrival$", WAIT)
                self.assertEqual(self.desktop.title(window), "Kestrival")
                self.assertEqual(self.desktop.answer(window, key, p), 0)
            with open(trace, encoding="utf-8", errors="replace") as f:
                texts = wine_box_texts(f.read())
            self.assertEqual(len(texts), 1)
            return texts[0]
        screen, status = run_in_pty([program] + args, "\r")
        self.assertEqual(status, 0, screen)
        self.assertIn("[Kestrival]\r\n", screen)
        return screen.split("[Kestrival]\r\n", 1)[1].split("\r\n", 1)[0]

    # -- the tests -------------------------------------------------------------------------

    def test_second_copy_ends_silently_without_show(self):
        name = gbk_hex(fresh_name())
        first, held = self.holding(["--name", name])
        self.assertEqual(held, name)
        self.ends_silently(["--name", name])
        self.ends_silently(["--name", name, "--message", gbk_hex("x"), "--style", "16"])
        self.assertIsNone(first.poll())

    def test_second_copy_shows_its_box_then_ends(self):
        name = gbk_hex(fresh_name())
        self.holding(["--name", name])
        cases = [
            (["--show"], DEFAULT_MESSAGE),
            (["--show", "--message", gbk_hex("程序已运行"), "--style", "16"], "程序已运行"),
            (["--show", "--empty-message", "--style", "48"], ""),
        ]
        for args, text in cases:
            with self.subTest(args=args):
                self.assertEqual(self.box_then_end(["--name", name] + args), text)

    def test_marker_goes_with_the_first_copy_however_it_ends(self):
        for sig in (signal.SIGTERM, signal.SIGKILL):
            with self.subTest(signal=sig):
                name = gbk_hex(fresh_name())
                first, _ = self.holding(["--name", name])
                first.send_signal(sig)
                first.wait(timeout=WAIT)
                self.holding(["--name", name])
                self.ends_silently(["--name", name])

    def test_empty_or_absent_name_means_the_derived_name(self):
        _, held = self.holding(["--empty-name"])
        self.assertEqual(bytes.fromhex(held).decode(), DERIVED_NAME)
        self.ends_silently([])
        self.ends_silently(["--name", DERIVED_NAME.encode().hex()])

    def test_names_are_any_bytes(self):
        names = [fresh_name() + "程序", fresh_name() + "/a/../b", fresh_name() + " %s*?"]
        if not WINDOWS:  # a Windows object name is limited to the path length
            names.append(fresh_name() + "x" * 300)
        for name in names:
            with self.subTest(name=name):
                self.holding(["--name", gbk_hex(name)])
                self.ends_silently(["--name", gbk_hex(name)])
                # A name that differs in its last byte only is another marker.
                self.holding(["--name", gbk_hex(name[:-1] + "~")])

    def test_twenty_copies_at_once_leave_one(self):
        name = gbk_hex(fresh_name())
        copies = [self.start(["--name", name]) for _ in range(20)]
        deadline = time.monotonic() + 3 * WAIT
        while sum(p.poll() is not None for p in copies) < 19 and time.monotonic() < deadline:
            time.sleep(0.2)
        time.sleep(3 if WINDOWS else 0.5)  # a second survivor would have had time to show
        alive = [p for p in copies if p.poll() is None]
        self.assertEqual(len(alive), 1)
        self.assertTrue(all(p.returncode == 0 for p in copies if p is not alive[0]))
        self.assertTrue(alive[0].stdout.readline().startswith(b"holding "))

    def test_kestrival_guards_itself_at_start(self):
        first, _ = self.holding(["--name", gbk_hex("Kestrival")])
        self.assertEqual(self.box_then_end([], KESTRIVAL), "程序已运行")
        first.kill()
        first.wait()
        # Alone, it gets past the guard to its prompt, which No answers. The clock calls
        # fail under strace in case the answer went wrong.
        if WINDOWS:
            self.assertEqual(self.box_then_end([], KESTRIVAL, "n"),
                             "是否启动Kestrival？")
        else:
            screen, status = run_in_pty(
                ["/usr/bin/strace", "-f", "-qq", "-e", "trace=none", "-e",
                 "inject=clock_settime,settimeofday:error=EPERM", KESTRIVAL], "n")
            self.assertEqual(status, 0, screen)
            self.assertIn("[Kestrival]\r\n是否启动Kestrival？\r\n", screen)


def run_in_pty(argv, keys=None):
    """Runs argv on a new pseudo-terminal, types keys once it shows a box, and returns what
    it wrote and its exit status (killed, when it is still waiting at the end)."""
    pid, master = pty.fork()
    if pid == 0:
        os.environ["LC_ALL"] = "C.UTF-8"
        os.execv(argv[0], argv)
    screen = b""
    deadline = time.monotonic() + WAIT
    typed = False
    while time.monotonic() < deadline:
        if keys and not typed and b" > " in screen:
            os.write(master, keys.encode())
            typed = True
        ready, _, _ = select.select([master], [], [], 0.2)
        if not ready:
            continue
        try:
            chunk = os.read(master, 4096)
        except OSError:  # the terminal's other end closed
            break
        if not chunk:
            break
        screen += chunk
    if time.monotonic() >= deadline:
        os.kill(pid, signal.SIGKILL)
    _, status = os.waitpid(pid, 0)
    os.close(master)
    return screen.decode(errors="replace"), os.waitstatus_to_exitcode(status)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
