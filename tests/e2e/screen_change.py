"""The screen gets smaller under the running clock, as when a laptop leaves
its dock: the clock, inside a Wine virtual desktop that a probe shrinks from
1024x768 to 800x600, lies fully on the new screen at its new home; drifting
when the screen shrinks, it stays on the screen and comes home to the new
corner when the user is back. Waits out the idle minute: slow."""

import subprocess
import sys
import time

from desktop import move_pointer, px, wait_until

DESKTOP = "kt"


def in_desktop(*command, size="1024x768"):
    return subprocess.run(["wine", "explorer", f"/desktop={DESKTOP},{size}", *command],
                          capture_output=True, text=True)


def where(probe):
    out = in_desktop(probe, "where")
    assert out.returncode == 0, ("no clock in the desktop", out.returncode)
    left, top, right, bottom, width, height, visible = map(int, out.stdout.split())
    return (left, top, right, bottom), (width, height), bool(visible)


LAST_INPUT = [0.0]


def wake():
    """Real pointer input inside the virtual desktop."""
    move_pointer(400 + int(time.time()) % 9, 300)
    LAST_INPUT[0] = time.time()


def home_for(width, height):
    side = px(2670)
    return (width - side, height - side - px(500), width, height - px(500))


def main(exe, probe):
    clock = subprocess.Popen(["wine", "explorer", f"/desktop={DESKTOP},1024x768", exe],
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        wait_until(lambda: in_desktop(probe, "where").returncode == 0, "no clock", timeout=30)
        wake()  # input inside the desktop: the clock is at rest
        wait_until(lambda: where(probe)[0] == home_for(1024, 768), "not at home", timeout=5)

        assert in_desktop(probe, "resize", "800", "600").returncode == 0, "no resize"
        wait_until(lambda: where(probe)[1] == (800, 600), "the screen did not shrink")
        wait_until(lambda: where(probe)[0] == home_for(800, 600),
                   "not at the new home: %s" % (where(probe),), timeout=5)
        print("at rest: moved to the new home", where(probe)[0])

        # Drifting when the screen shrinks again.
        assert in_desktop(probe, "resize", "1024", "768", size="800x600").returncode == 0
        wait_until(lambda: where(probe)[0] == home_for(1024, 768), "not home on 1024x768")
        time.sleep(max(0, LAST_INPUT[0] + 62 - time.time()))
        wait_until(lambda: where(probe)[0] != home_for(1024, 768), "not drifting", timeout=5)
        assert in_desktop(probe, "resize", "800", "600").returncode == 0
        wait_until(lambda: where(probe)[1] == (800, 600), "the screen did not shrink")
        rect = where(probe)[0]
        assert rect[0] >= 0 and rect[1] >= 0 and rect[2] <= 800 and rect[3] <= 600, rect
        print("drifting: kept on the new screen", rect)

        wake()
        wait_until(lambda: where(probe)[0] == home_for(800, 600), "not home after input",
                   timeout=5)
        print("back home on the new screen after input")
    finally:
        clock.kill()
        clock.wait()
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(*sys.argv[1:])
