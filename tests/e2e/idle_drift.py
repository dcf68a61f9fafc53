"""A minute without input sends the real disc drifting up-left from its
corner; a real pointer move over it brings it home at once. Waits out the
real minute, so it carries the slow label."""

import sys
import time

from desktop import App, move_pointer, save_screenshot


def main(exe):
    with App(exe) as app:
        woken = app.wake()
        home = app.geometry()
        # The pointer leaves for a corner the disc never covers. Whether Wine
        # counts leaving the disc as input or not, the last input lies between
        # the move over the disc and this one.
        move_pointer(0, 0)
        left_disc = time.time()

        time.sleep(max(0, woken + 59.5 - time.time()))
        assert app.geometry() == home, ("moved before a minute was up", app.geometry())

        # Idle from 60.5 s on, at the first clock tick after that.
        deadline = left_disc + 63
        while app.geometry() == home and time.time() < deadline:
            time.sleep(0.1)
        first = app.geometry()
        idle_after = time.time() - woken
        assert first != home, "still at home 63 s after the last input"
        assert idle_after > 60.0, ("left home too early", idle_after)
        time.sleep(0.3)
        second = app.geometry()
        save_screenshot("idle_drift_1.png")
        for earlier, later in [(home, first), (first, second)]:
            assert later[0] < earlier[0] and later[1] < earlier[1], ("not up-left", earlier, later)
        print("left home after %.1f s idle, moving up-left" % idle_after)
        time.sleep(1.0)
        save_screenshot("idle_drift_2.png")

        # Back: a real move over the disc where it is now.
        left, top, width, height = app.geometry()
        move_pointer(left + width // 2, top + height // 2)
        back = time.time()
        while app.geometry() != home and time.time() < back + 3:
            time.sleep(0.05)
        assert app.geometry() == home, ("not home again", app.geometry(), home)
        print("home again %.2f s after the pointer moved" % (time.time() - back))
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
