"""The clock from the keyboard alone, as a user without a mouse meets it,
under a window manager (openbox, which gives new windows the keyboard as
Windows does), with real X keys: after a click on the disc where no button
is, Tab reaches the gear and Enter opens the options; there Tab goes from
"Save & Exit" to the slider, whose arrow keys preview the opacity, and on to
"Alway On Top"; Esc cancels and Enter saves. A second start puts the
keyboard on the gear: Tab to the arrow and Space put the disc in the tray.
Back out of it, Tab to the cross and Enter end the clock."""

import subprocess
import sys

from desktop import WINE, App, click, keys, opacity, restart_wine_server, run, wait_until
from window_manager import UserDesktop
from work_area import net_wm_state, own_prefix


def focus_disc(app):
    left, top, width, _ = app.geometry()
    click(left + width // 2, top + 12)  # the disc's own background, above the lamps


def open_options(app):
    keys("Tab", "Return")
    dialog = app.wait_for_window("Configure Options", timeout=10)
    wait_until(lambda: run("xdotool", "getactivewindow").strip() == dialog,
               "the options do not have the keyboard")
    return dialog


def start_again(exe):
    assert subprocess.run([WINE, exe], capture_output=True, timeout=30).returncode == 0


def main(exe):
    own_prefix(exe)
    try:
        with UserDesktop(30), App(exe) as app:
            app.wake()
            focus_disc(app)
            open_options(app)
            print("Tab, Enter: the gear opened the options")

            keys("Tab", "Left")  # from the button to the slider, one step down
            wait_until(lambda: opacity(app.window) == 224, "the slider did not preview 224")
            keys("Tab", "space", "Escape")  # the check box, then cancel
            wait_until(lambda: not app.visible_windows("Configure Options"), "Esc left it open")
            wait_until(lambda: opacity(app.window) == 225, "Esc kept the preview")
            assert "_NET_WM_STATE_ABOVE" in net_wm_state(app.window), "Esc stored the box"
            print("Tab, Left previewed 224; Tab, Space, Esc stored nothing")

            focus_disc(app)
            open_options(app)
            keys("Tab", "Left", "Left", "Tab", "space", "Return")
            wait_until(lambda: not app.visible_windows("Configure Options"), "Enter left it open")
            assert opacity(app.window) == 223, opacity(app.window)
            wait_until(lambda: "_NET_WM_STATE_ABOVE" not in net_wm_state(app.window),
                       "Enter did not store the box")
            print("Tab, Left, Left, Tab, Space, Enter saved 223, not on top")

            # Openbox gives the keyboard to no window when the options close
            # (Wine holds the disc active, X has none): the user clicks the
            # disc. A second start then puts the keyboard on the gear, from
            # where Tab goes to the arrow, and Space puts the disc away.
            focus_disc(app)
            start_again(exe)
            keys("Tab", "space")
            wait_until(lambda: not app.visible_windows("Kelbo Time"), "Space on the arrow")
            print("a second start, Tab, Space: the arrow put the disc in the tray")

            start_again(exe)
            wait_until(lambda: app.visible_windows("Kelbo Time"), "the disc did not come back")
            focus_disc(app)  # the keyboard back from the gear to the disc
            keys("Tab", "Tab", "Tab", "Return")
            assert app.exited(), "Enter on the cross did not end the clock"
            print("Tab, Tab, Tab, Enter: the cross ended the clock")
    finally:
        restart_wine_server()
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
