"""The Windows program as a user runs it: under Wine on a virtual display, its boxes found
and answered with xdotool, inside a network namespace whose hosts file points the default
time URL at the fake time server. Wine refuses SetLocalTime; the right to set the clock is
dropped besides (strace would slow Wine past use), should Wine ever try.

usage: windows_e2e_test.py KESTRIVAL.exe WINE-RUN PREFIX"""

import json
import os
import subprocess
import sys
import tempfile
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, "..", "support"))
from desktop import Desktop, wine_box_texts  # noqa: E402
from netns import Netns  # noqa: E402
from program_texts import CUSTOMARY, PROMPT, RUNNING  # noqa: E402

KESTRIVAL, WINE_RUN, PREFIX = sys.argv[1:4]
WAIT = 60


class WindowsProgram(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop(WINE_RUN, "win64", os.path.abspath(PREFIX))
        # Wine's sockets are made by its server, so the server runs in the namespace too.
        cls.netns = Netns()
        subprocess.run(["wineserver", "-k"], env=cls.desktop.env(), check=False)
        subprocess.run(cls.netns.command(["wineserver", "-p"]), env=cls.desktop.env(),
                       check=True)

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()
        cls.netns.close()

    def setUp(self):
        self.addCleanup(self.netns.stop_server)
        self.dir = tempfile.TemporaryDirectory(prefix="kestrival-e2e-")
        self.addCleanup(self.dir.cleanup)
        self.log = os.path.join(self.dir.name, "requests.jsonl")
        self.netns.start_server(self.log, 3600)
        self.copies = 0

    def start(self):
        """A copy of the program in the namespace; returns it with its box trace."""
        self.copies += 1
        trace = os.path.join(self.dir.name, f"box{self.copies}.txt")
        with open(trace, "w") as err:
            p = subprocess.Popen(
                self.netns.command(["capsh", "--drop=cap_sys_time", "--", "-c", 'exec "$@"',
                                    "--"] + self.desktop.command(KESTRIVAL, [])),
                env=self.desktop.env({"WINEDEBUG": "+msgbox"}), stdin=subprocess.DEVNULL,
                stdout=subprocess.DEVNULL, stderr=err)
        self.addCleanup(self.stop, p)
        return p, trace

    def stop(self, p):
        if p.poll() is None:
            p.kill()
            p.wait(timeout=WAIT)

    def answer(self, trace, key, text):
        window = self.desktop.wait_window("^Kestrival$", WAIT)
        self.assertEqual(self.desktop.title(window), "Kestrival")
        # Pressed until the box closes (a key sent while the box takes the focus can be
        # lost); after Yes the program goes on running, so its end cannot tell.
        deadline = time.monotonic() + WAIT
        while self.desktop.windows("^Kestrival$") and time.monotonic() < deadline:
            subprocess.run(["xdotool", "windowfocus", "--sync", window], env=self.desktop.env(),
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
            subprocess.run(["xdotool", "key", key], env=self.desktop.env(), check=False)
            time.sleep(1)
        with open(trace, encoding="utf-8", errors="replace") as f:
            self.assertEqual(wine_box_texts(f.read()), [text])

    def requests(self):
        with open(self.log) as f:
            return [json.loads(line) for line in f]

    def wait_requests(self, count):
        deadline = time.monotonic() + WAIT
        while len(self.requests()) < count and time.monotonic() < deadline:
            time.sleep(0.2)
        return self.requests()

    def test_no_ends_without_a_request(self):
        p, trace = self.start()
        self.answer(trace, "n", PROMPT)
        self.assertEqual(p.wait(timeout=WAIT), 0)
        time.sleep(0.5)
        self.assertEqual(self.requests(), [])

    def test_yes_calibrates_and_a_second_copy_says_so(self):
        first, trace = self.start()
        self.answer(trace, "y", PROMPT)
        requests = self.wait_requests(5)
        self.assertGreaterEqual(len(requests), 5)
        for r in requests:
            self.assertEqual((r["method"], r["path"]), ("HEAD", "/"))
            # Wine's WinHTTP adds Host and Connection of its own.
            self.assertEqual([h for h in r["headers"] if h[0] not in ("Host", "Connection")],
                             CUSTOMARY)
        second, trace2 = self.start()
        self.answer(trace2, "Return", RUNNING)
        self.assertEqual(second.wait(timeout=WAIT), 0)
        self.assertIsNone(first.poll())


if __name__ == "__main__":
    if os.geteuid() != 0:
        print("needs root for the network namespace")
        sys.exit(77)
    unittest.main(argv=sys.argv[:1], verbosity=2)
