"""The real exe shows a round disc in the bottom-right corner whose 17 lamps
read the wall-clock time in binary; the exit picture ends it."""

import sys
import time

from desktop import (App, LIT, SALMON, UNLIT, click, nearest, pixel, px,
                     save_screenshot, screenshot)

SIDE = px(2670)


def lamp_centre(column, row_top):
    left = 360 * (column - 1)
    return px(left + 60 + 127.5), px(row_top + 127.5)


def face(shot, left, top):
    """The time the lamps show, as (hour, minute, second)."""
    def row(columns, row_top):
        value = 0
        for column in columns:
            x, y = lamp_centre(column, row_top)
            lit = nearest(pixel(shot, left + x, top + y), LIT, UNLIT) == LIT
            value = value * 2 + lit
        return value
    return row(range(2, 7), 360), row(range(1, 7), 720), row(range(1, 7), 1080)


def main(exe):
    with App(exe) as app:
        app.wake()
        left, top, width, height = app.geometry()
        screen_width, screen_height = map(int, sys.argv[2:4]) if len(sys.argv) > 3 else (1024, 768)
        assert (width, height) == (SIDE, SIDE), (width, height)
        assert left + width == screen_width, ("not at the right edge", left, width)
        assert top == px(screen_height * 15 - 2670 - 500), ("not 500 twips up", top)

        before = time.time()
        shot = screenshot()
        after = time.time()
        save_screenshot("clock_face.png")

        # Round: the window's corners show what is behind it, its middle the disc.
        assert nearest(pixel(shot, left + 89, top + 100), SALMON, (0, 0, 0)) == SALMON
        for cx, cy in [(1, 1), (width - 2, 1), (1, height - 2), (width - 2, height - 2)]:
            assert pixel(shot, left + cx, top + cy) != SALMON, ("corner not cut", cx, cy)

        shown = face(shot, left, top)
        expected = set()
        for t in range(int(before) - 1, int(after) + 2):
            local = time.localtime(t)
            expected.add((local.tm_hour, local.tm_min, local.tm_sec))
        assert shown in expected, (shown, sorted(expected))
        print("face shows %02d:%02d:%02d" % shown)

        # The exit picture ends the program.
        click(left + px(1560 + 157), top + px(1680 + 127))
        assert app.exited(), "the exit picture did not end the program"
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
