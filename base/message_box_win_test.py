"""The Windows message box under Wine: a real box on a virtual display, answered with
xdotool through each button of each layout.

usage: message_box_win_test.py WINE-RUN PREFIX PROBE.exe"""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "support"))
from desktop import Desktop, gbk_hex, remove, temp_dir  # noqa: E402

WINE_RUN, PREFIX, PROBE = sys.argv[1:4]
TITLE = "Kestrival 测试"
TEXT = "是否启动Kestrival？"

# (style, keys, answer): Tab moves to the next button and space presses it; Return takes the
# default, the first button.
CASES = [
    (0, ["space"], 0),
    (1, ["space"], 0),
    (1, ["Tab", "space"], 1),
    (2, ["space"], 2),
    (2, ["Tab", "space"], 3),
    (2, ["Tab", "Tab", "space"], 4),
    (3, ["space"], 5),
    (3, ["Tab", "space"], 6),
    (3, ["Tab", "Tab", "space"], 1),
    (4, ["space"], 5),
    (4, ["Tab", "space"], 6),
    (5, ["space"], 3),
    (5, ["Tab", "space"], 1),
    (36, ["Return"], 5),
    (0x1000 | 4, ["Tab", "space"], 6),
]


class WindowsMessageBox(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop(WINE_RUN, PREFIX)
        cls.dir = temp_dir()

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()
        remove(cls.dir)

    def test_each_button_of_each_layout(self):
        for n, (style, keys, answer) in enumerate(CASES):
            with self.subTest(style=style, keys=keys):
                report = os.path.join(self.dir, f"box{n}.txt")
                probe = self.desktop.start(
                    PROBE, [str(style), gbk_hex(TITLE), gbk_hex(TEXT), "Z:" + report])
                try:
                    window = self.desktop.wait_window(TITLE)
                    self.assertEqual(self.desktop.title(window), TITLE)
                    self.desktop.press(window, keys)
                    self.assertEqual(probe.wait(timeout=30), answer)
                finally:
                    probe.kill()
                    probe.wait()
                # What the box itself showed, read from its window by the probe.
                with open(report, encoding="utf-8") as f:
                    self.assertEqual(f.read(), f"title {TITLE}\ntext {TEXT}\n")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
