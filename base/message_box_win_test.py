"""The Windows message box under Wine: a real box on a virtual display, answered with
xdotool through each button of each layout.

usage: message_box_win_test.py WINE-RUN ARCH PREFIX PROBE.exe"""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "support"))
from desktop import DesktopTestCase, gbk_hex  # noqa: E402

WINE_RUN, ARCH, PREFIX, PROBE = sys.argv[1:5]
TITLE = "Kestrival 测试"
TEXT = "是否启动Kestrival？"

# (style, key, answer): a button's underlined letter presses it; Return takes the default,
# the first button, and Escape the Cancel button.
CASES = [
    (0, "Return", 0),
    (1, "Return", 0),
    (1, "Escape", 1),
    (2, "a", 2),
    (2, "r", 3),
    (2, "i", 4),
    (3, "y", 5),
    (3, "n", 6),
    (3, "Escape", 1),
    (4, "y", 5),
    (4, "n", 6),
    (5, "r", 3),
    (5, "Escape", 1),
    (36, "Return", 5),
    (0x1000 | 4, "n", 6),
]


def wait_for_file(path, timeout=30):
    deadline = time.monotonic() + timeout
    while not os.path.exists(path) and time.monotonic() < deadline:
        time.sleep(0.1)


class WindowsMessageBox(DesktopTestCase):
    wine_run, arch, prefix = WINE_RUN, ARCH, PREFIX

    def test_each_button_of_each_layout(self):
        for n, (style, key, answer) in enumerate(CASES):
            with self.subTest(style=style, key=key):
                report = os.path.join(self.dir, f"box{n}.txt")
                probe = self.desktop.start(
                    PROBE, [str(style), gbk_hex(TITLE), gbk_hex(TEXT), "Z:" + report])
                try:
                    window = self.desktop.wait_window(TITLE)
                    self.assertEqual(self.desktop.title(window), TITLE)
                    wait_for_file(report)
                    self.assertEqual(self.desktop.answer(window, key, probe), answer)
                finally:
                    probe.kill()
                    probe.wait()
                # What the box itself showed, read from its window by the probe.
                with open(report, encoding="utf-8") as f:
                    self.assertEqual(f.read(), f"title {TITLE}\ntext {TEXT}\n")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
