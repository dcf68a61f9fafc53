"""The disc as a desktop widget on a user's desktop, with a window manager
and a taskbar: its home is clear of the taskbar, it has no taskbar button
(the window manager is told to skip it), and it still stays on top, takes
clicks and comes back out of the tray.

Wine reads the work area from the root window's _NET_WORKAREA when its
desktop starts, and hands a window's state to the window manager only for
windows it lets one handle: so this runs with openbox and a 48-pixel panel
at the bottom, in a prefix of its own with managed windows, on a server
started afresh."""

import os
import subprocess
import sys

from desktop import WINE, App, home_geometry, restart_wine_server, run, wait_until
from tray import Tray
from window_manager import UserDesktop

PANEL_HEIGHT = 48


def own_prefix(exe):
    prefix = os.path.join(os.path.dirname(os.path.abspath(exe)), "wine-managed")
    os.environ["WINEPREFIX"] = prefix
    quiet = dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run([WINE, "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed",
                    "/d", "Y", "/f"], check=True, **quiet)
    restart_wine_server()


def net_wm_state(window):
    return run("xprop", "-id", window, "_NET_WM_STATE")


def main(exe):
    own_prefix(exe)
    try:
        with UserDesktop(PANEL_HEIGHT), App(exe) as app:
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

            app.click_button("Configure Options")
            app.wait_for_window("Configure Options", timeout=10)
            print("a click on the gear opens the options")
    finally:
        restart_wine_server()
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
