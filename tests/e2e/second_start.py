"""Starting the program again while it runs shows the running clock rather
than stacking a second disc on it: the second start ends at once with code
0, and a clock put away in the tray comes back out of it."""

import subprocess
import sys

from desktop import WINE, App, search, wait_until
from tray import TRAY, Tray


def start_again(exe):
    second = subprocess.run([WINE, exe], capture_output=True, timeout=30)
    assert second.returncode == 0, ("the second start failed", second.returncode)


def main(exe):
    with App(exe) as app:
        app.wake()
        start_again(exe)
        discs = search("--onlyvisible", "--name", "Kelbo Time")
        assert discs == [app.window], ("more than one disc", discs)
        print("a second start while shown: one disc, and it ended with 0")

        tray = Tray(app)
        tray.minimize()
        start_again(exe)
        wait_until(tray.shown, "the second start did not bring the clock back")
        wait_until(lambda: not search("--onlyvisible", "--name", TRAY), "the icon stayed")
        assert search("--onlyvisible", "--name", "Kelbo Time") == [app.window]
        print("a second start while in the tray: the clock came back out of it")
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
