"""The clock out of the way of a full-screen program, on a user's desktop
(openbox and a panel, so that a maximized window leaves a taskbar): a
maximized window in front leaves the disc where it is; a window covering the
whole screen hides it, and a minute without input then brings no drift;
when that window goes, the disc is back at home."""

import subprocess
import sys
import time

from desktop import WINE, App, home_geometry, move_pointer, restart_wine_server, wait_until
from window_manager import UserDesktop
from work_area import own_prefix


def main(exe, probe):
    own_prefix(exe)
    try:
        with UserDesktop(30), App(exe) as app:
            app.wake()
            home = home_geometry()

            document = subprocess.Popen([WINE, probe, "maximized"])
            app_window = app.window
            wait_until(lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                               "A document"], capture_output=True).stdout,
                       "no maximized window")
            time.sleep(2)  # two ticks of the clock
            assert app.visible_windows("Kelbo Time") == [app_window], "hidden by a maximized window"
            assert app.geometry() == home, app.geometry()
            document.kill()
            document.wait()
            print("a maximized window in front: the disc stays at home")

            film = subprocess.Popen([WINE, probe, "full"])
            wait_until(lambda: not app.visible_windows("Kelbo Time"), "not hidden by the film",
                       timeout=10)
            print("a full-screen window in front: the disc stepped aside")
            time.sleep(65)  # a minute and more without input
            assert not app.visible_windows("Kelbo Time"), "back over the film"
            assert app.geometry() == home, ("it drifted behind the film", app.geometry())
            print("a minute without input: no drift")

            move_pointer(20, 20)  # the user is back, over the film, and closes it
            film.kill()
            film.wait()
            wait_until(lambda: app.visible_windows("Kelbo Time"), "not back after the film",
                       timeout=10)
            assert app.geometry() == home, app.geometry()
            print("the film closed: the disc is back at home")
    finally:
        restart_wine_server()
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(*sys.argv[1:])
