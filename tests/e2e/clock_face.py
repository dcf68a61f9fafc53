"""The real exe shows a round disc in the bottom-right corner whose 17 lamps
read the wall-clock time in binary; the exit picture ends it."""

import sys
import time

from desktop import (App, LAMP_ROW_TOPS, LIT, SALMON, UNLIT, home_geometry, nearest, pixel,
                     px, save_screenshot, screenshot)


def lamp_centre(column, row_top):
    """The centre of a lamp's circle: its 375 x 255 box, the circle 255 across."""
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
    return (row(range(2, 7), LAMP_ROW_TOPS["hour"]), row(range(1, 7), LAMP_ROW_TOPS["minute"]),
            row(range(1, 7), LAMP_ROW_TOPS["second"]))


def main(exe):
    with App(exe) as app:
        app.wake()
        left, top, width, height = app.geometry()
        # At home: the bottom-right corner, 500 twips up, 2670 twips square.
        assert (left, top, width, height) == home_geometry(), (app.geometry(), home_geometry())

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

        # At rest the clock has not loaded the common controls: its one
        # windowed control is out of sight, and no tip has been asked for.
        with open(f"/proc/{app.process.pid}/maps") as maps:
            assert "comctl32" not in maps.read().lower(), "common controls loaded at start-up"

        # The exit picture ends the program.
        app.click_button("Exit Program")
        assert app.exited(), "the exit picture did not end the program"
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
