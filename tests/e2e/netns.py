"""A network namespace of its own for an end-to-end test, where the default time URL's host
is this namespace's loopback, with the fake time server on port 80 inside it. The clock
stays safe: every program that could set it runs under strace with the clock calls made
to fail and recorded."""

import os
import re
import shutil
import subprocess
import sys
import time
import uuid

HERE = os.path.dirname(os.path.abspath(__file__))
TIME_HOST = "www.baidu.com"  # the default URL's host
CLOCK_CALLS = "clock_settime,settimeofday"


class Netns:
    def __init__(self):
        self.name = "kestrival-" + uuid.uuid4().hex[:12]
        self.hosts_dir = "/etc/netns/" + self.name
        subprocess.run(["ip", "netns", "add", self.name], check=True)
        try:
            subprocess.run(["ip", "-n", self.name, "link", "set", "lo", "up"], check=True)
            os.makedirs(self.hosts_dir)
            with open(os.path.join(self.hosts_dir, "hosts"), "w") as f:
                f.write(f"127.0.0.1 localhost {TIME_HOST}\n::1 localhost\n")
        except BaseException:
            self.close()
            raise
        self.server = None

    def close(self):
        self.stop_server()
        subprocess.run(["ip", "netns", "del", self.name], check=False)
        shutil.rmtree(self.hosts_dir, ignore_errors=True)

    def command(self, argv):
        return ["ip", "netns", "exec", self.name] + list(argv)

    def start_server(self, log, offset):
        """The fake time server on port 80, its Date header offset seconds off the clock;
        returns once it listens."""
        open(log, "w").close()
        self.server = subprocess.Popen(self.command(
            [sys.executable, os.path.join(HERE, "fake_time_server.py"), "--port", "80",
             "--offset", str(offset), "--log", log]))
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            out = subprocess.run(self.command(["ss", "-Hltn", "sport = :80"]),
                                 capture_output=True, text=True).stdout
            if out.strip():
                return
            time.sleep(0.05)
        raise AssertionError("the fake time server did not start")

    def stop_server(self):
        if self.server:
            self.server.kill()
            self.server.wait()
            self.server = None


def guarded(argv, trace, extra_calls=""):
    """argv under strace with the clock calls made to fail, recorded (with extra_calls) in
    trace."""
    calls = CLOCK_CALLS + ("," + extra_calls if extra_calls else "")
    return ["strace", "-f", "-qq", "-o", trace, "-e", "trace=" + calls,
            "-e", f"inject={CLOCK_CALLS}:error=EPERM"] + list(argv)


def tracees(strace_pid):
    """The processes strace runs (its children)."""
    found = []
    for task in os.listdir(f"/proc/{strace_pid}/task"):
        try:
            with open(f"/proc/{strace_pid}/task/{task}/children") as f:
                found += [int(p) for p in f.read().split()]
        except OSError:
            pass
    return found


def stop_traced(strace_pid):
    """Kills what strace runs before strace itself, so that no clock call ever goes
    through unguarded; strace then ends by itself and writes out its record."""
    try:
        for pid in tracees(strace_pid):
            os.kill(pid, 9)
    except (OSError, ProcessLookupError):
        pass


def clock_writes(trace):
    """The seconds of every clock write in an strace record, and whether all of them were
    the injected failures."""
    with open(trace) as f:
        text = f.read()
    writes = [int(s) for s in re.findall(r"clock_settime\(CLOCK_REALTIME, \{tv_sec=(\d+)", text)]
    writes += [int(s) for s in re.findall(r"settimeofday\(\{tv_sec=(\d+)", text)]
    injected = all("(INJECTED)" in line for line in text.splitlines()
                   if "clock_settime(" in line or "settimeofday(" in line)
    return writes, injected
