"""The Linux program as a user runs it: on a pseudo-terminal, inside a network namespace
whose hosts file points the default time URL at the fake time server, with the clock calls
made to fail and recorded by strace.

usage: linux_e2e_test.py KESTRIVAL [TEST-NAMES...]"""

import email.utils
import json
import os
import pty
import re
import select
import signal
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from netns import Netns, clock_writes, guarded, stop_traced, tracees  # noqa: E402
from program_texts import CUSTOMARY, PROMPT, RUNNING  # noqa: E402

KESTRIVAL = sys.argv[1]
TITLE = "[Kestrival]\r\n"
REFUSAL = "设置系统时间需要root权限（CAP_SYS_TIME）"
HOUR = 3600


class Terminal:
    """A program on a pseudo-terminal of its own, in its own session."""

    def __init__(self, argv, zone="UTC0"):
        self.pid, self.fd = pty.fork()
        if self.pid == 0:
            os.environ.update({"LC_ALL": "C.UTF-8", "TZ": zone})
            os.execvp(argv[0], argv)
        self.screen = b""
        self.status = None

    def text(self):
        return self.screen.decode(errors="replace")

    def read(self, timeout):
        ready, _, _ = select.select([self.fd], [], [], timeout)
        if ready:
            try:
                chunk = os.read(self.fd, 4096)
            except OSError:  # the terminal's other end closed
                chunk = b""
            self.screen += chunk
            return bool(chunk)
        return True

    def wait_for(self, text, timeout=10):
        deadline = time.monotonic() + timeout
        while text not in self.text() and time.monotonic() < deadline:
            if not self.read(0.1):
                break
        return text in self.text()

    def type(self, keys):
        os.write(self.fd, keys.encode())

    def wait(self, timeout=10):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            pid, status = os.waitpid(self.pid, os.WNOHANG)
            if pid:
                self.status = os.waitstatus_to_exitcode(status)
                self.read(0)
                return self.status
            self.read(0.1)
        return None

    def stop(self):
        """Ends a program that still runs: what strace traces first (see stop_traced)."""
        if self.status is None:
            stop_traced(self.pid)
            if self.wait(10) is None:
                os.kill(self.pid, signal.SIGKILL)
                self.wait(10)
        if self.fd is not None:
            os.close(self.fd)
            self.fd = None


class LinuxProgram(unittest.TestCase):
    def setUp(self):
        self.netns = Netns()
        self.addCleanup(self.netns.close)
        self.dir = tempfile.TemporaryDirectory(prefix="kestrival-e2e-")
        self.addCleanup(self.dir.cleanup)
        self.log = os.path.join(self.dir.name, "requests.jsonl")

    def path(self, name):
        return os.path.join(self.dir.name, name)

    def start(self, trace, zone="UTC0", extra_calls=""):
        t = Terminal(self.netns.command(guarded([KESTRIVAL], trace, extra_calls)), zone)
        self.addCleanup(t.stop)
        return t

    def requests(self):
        with open(self.log) as f:
            return [json.loads(line) for line in f]

    def answer_prompt(self, t, key):
        self.assertTrue(t.wait_for(" > "), t.text())
        self.assertIn(TITLE + PROMPT + "\r\n", t.text())
        t.type(key)

    def test_refuses_without_the_right_to_set_the_clock(self):
        t = Terminal(["capsh", "--drop=cap_sys_time", "--", "-c", 'exec "$0"', KESTRIVAL])
        self.addCleanup(t.stop)
        self.assertEqual(t.wait(), 1)
        self.assertEqual(t.text(), REFUSAL + "\r\n")

    def test_no_ends_without_a_request(self):
        self.netns.start_server(self.log, HOUR)
        trace = self.path("trace")
        t = self.start(trace)
        self.answer_prompt(t, "n")
        self.assertEqual(t.wait(), 0, t.text())
        time.sleep(0.5)
        self.assertEqual(self.requests(), [])
        self.assertEqual(clock_writes(trace), ([], True))

    def test_yes_sets_the_clock_to_the_servers_date_in_every_zone(self):
        for zone in ("UTC0", "EST5EDT", "Asia/Shanghai"):
            with self.subTest(zone=zone):
                self.netns.start_server(self.log, HOUR)
                trace = self.path("trace-" + zone.replace("/", "-"))
                t = self.start(trace, zone)
                self.answer_prompt(t, "y")
                time.sleep(2)
                t.stop()
                self.netns.stop_server()
                requests = self.requests()
                self.assertGreater(len(requests), 5)
                for r in requests:
                    self.assertEqual((r["method"], r["path"]), ("HEAD", "/"))
                    self.assertEqual([h for h in r["headers"] if h[0] != "Host"], CUSTOMARY)
                    self.assertEqual(dict(r["headers"])["Host"], "www.baidu.com")
                # One pass after another, without pause.
                times = [r["time"] for r in requests]
                self.assertLess(max(b - a for a, b in zip(times, times[1:])), 0.5)
                # Each write holds the Date of a response, whatever the zone: the server's
                # clock is an hour ahead and the machine's is left where it was.
                writes, injected = clock_writes(trace)
                self.assertTrue(injected)
                self.assertGreater(len(writes), 0)
                dates = {int(t + HOUR) for t in times} | {int(t + HOUR) + 1 for t in times}
                self.assertTrue(set(writes) <= dates, (writes, sorted(dates)))

    def test_second_copy_says_so_and_ends(self):
        self.netns.start_server(self.log, HOUR)
        first = self.start(self.path("trace-first"))
        self.answer_prompt(first, "y")
        deadline = time.monotonic() + 10
        while not self.requests() and time.monotonic() < deadline:
            time.sleep(0.1)
        second = self.start(self.path("trace-second"))
        self.assertTrue(second.wait_for(" > "), second.text())
        self.assertIn(TITLE + RUNNING + "\r\n(O)K > ", second.text())
        second.type("\r")
        self.assertEqual(second.wait(), 0)
        self.assertNotIn(PROMPT, second.text())
        self.assertIsNone(first.status)
        self.assertEqual(clock_writes(self.path("trace-second")), ([], True))

    def test_without_a_server_it_keeps_trying_without_spinning(self):
        trace = self.path("trace")
        t = self.start(trace, extra_calls="connect")
        self.answer_prompt(t, "y")
        seconds = 4
        time.sleep(seconds)
        t.stop()
        with open(trace) as f:
            attempts = len(re.findall(r"connect\(.*sin_port=htons\(80\)", f.read()))
        self.assertGreaterEqual(attempts, 2)
        self.assertLessEqual(attempts, 2 * (seconds + 1))
        self.assertEqual(clock_writes(trace), ([], True))


def process_figures(pid):
    """Resident memory in kB, open descriptors and CPU seconds of a process."""
    with open(f"/proc/{pid}/status") as f:
        rss = int(re.search(r"VmRSS:\s+(\d+)", f.read())[1])
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    cpu = (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")
    return rss, len(os.listdir(f"/proc/{pid}/fd")), cpu


class Soak(unittest.TestCase):
    """Ten thousand passes against the loopback fake server, every one writing the clock
    (and failing to): memory and descriptors stay flat."""

    PASSES = 10000

    def test_ten_thousand_passes_stay_flat(self):
        netns = Netns()
        self.addCleanup(netns.close)
        work = tempfile.TemporaryDirectory(prefix="kestrival-soak-")
        self.addCleanup(work.cleanup)
        log = os.path.join(work.name, "requests.jsonl")
        netns.start_server(log, HOUR)
        t = Terminal(netns.command(guarded([KESTRIVAL], os.path.join(work.name, "trace"))))
        self.addCleanup(t.stop)
        self.assertTrue(t.wait_for(" > "), t.text())
        t.type("y")
        program = None
        figures = {}
        deadline = time.monotonic() + 600
        while len(figures) < 2 and time.monotonic() < deadline:
            with open(log, "rb") as f:
                passes = f.read().count(b"\n")
            program = program or tracees(t.pid)[0]
            for mark in (100, self.PASSES):
                if passes >= mark and mark not in figures:
                    # A pass opens and closes its connection: the most seen over a few
                    # dozen passes.
                    samples = []
                    for _ in range(30):
                        samples.append(process_figures(program))
                        time.sleep(0.01)
                    figures[mark] = (max(s[0] for s in samples), max(s[1] for s in samples),
                                     samples[0][2])
            time.sleep(0.01)
        self.assertEqual(len(figures), 2, "the passes did not come")
        (rss100, fds100, cpu100), (rss, fds, cpu) = figures[100], figures[self.PASSES]
        print(f"\nVmRSS {rss100} kB at pass 100, {rss} kB at pass {self.PASSES}; "
              f"descriptors {fds100}, {fds}; CPU {1e6 * (cpu - cpu100) / (self.PASSES - 100):.0f}"
              " us per pass", file=sys.stderr)
        self.assertLessEqual(fds, fds100)
        self.assertLess(rss - rss100, 512)


if __name__ == "__main__":
    if os.geteuid() != 0:
        print("needs root for the network namespace")
        sys.exit(77)
    unittest.main(argv=sys.argv[:1] + sys.argv[2:], verbosity=2)
