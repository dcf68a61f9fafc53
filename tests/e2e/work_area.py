"""The disc as a desktop widget beside a taskbar: its home is clear of the
taskbar, it has no taskbar button (the window manager is told to skip it),
and it still stays on top, takes clicks and comes back out of the tray.

Wine reads the work area from the root window's _NET_WORKAREA when its
desktop starts, and marks a window's X state only for windows it lets a
window manager handle: so this runs in a prefix of its own, with managed
windows and a 48-pixel taskbar at the bottom, on a server started afresh."""

import os
import subprocess
import sys

from desktop import WINE, App, home_geometry, run, wait_until
from tray import Tray

WORK_AREA = (0, 0, 1024, 720)


def own_prefix(exe):
    prefix = os.path.join(os.path.dirname(os.path.abspath(exe)), "wine-managed")
    os.environ["WINEPREFIX"] = prefix
    quiet = dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run([WINE, "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed",
                    "/d", "Y", "/f"], check=True, **quiet)
    restart_wine(quiet)


def restart_wine(quiet):
    subprocess.run([WINE, "--server", "-k"], **quiet)
    subprocess.run([WINE, "--server", "-w"], **quiet)


def net_wm_state(window):
    return run("xprop", "-id", window, "_NET_WM_STATE")


def main(exe):
    run("xprop", "-root", "-f", "_NET_WORKAREA", "32c", "-set", "_NET_WORKAREA",
        ", ".join(map(str, WORK_AREA)))
    try:
        own_prefix(exe)
        with App(exe) as app:
            app.wake()  # and waits for the disc at home
            home = home_geometry()[:2]
            assert home == (846, 509), home  # 48 px above the bottom, and 33 more
            print("home above the taskbar:", home)

            state = net_wm_state(app.window)
            for wanted in ("_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER",
                           "_NET_WM_STATE_ABOVE"):
                assert wanted in state, (wanted, state)
            print("no taskbar button, kept above:", state.split("=")[1].strip())

            tray = Tray(app)
            tray.minimize()
            tray.click_icon()
            wait_until(tray.shown, "a left press did not show the disc")
            assert "_NET_WM_STATE_SKIP_TASKBAR" in net_wm_state(app.window)
            print("out of the tray again, still without a taskbar button")

            app.click_control("imgConfig")
            app.wait_for_window("Configure Options", timeout=10)
            print("a click on the gear opens the options")
    finally:
        run("xprop", "-root", "-remove", "_NET_WORKAREA")
        restart_wine(dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
