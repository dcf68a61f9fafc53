"""The tray, used with real clicks: the minimize picture puts the disc away
behind one icon in Wine's tray window; a left press fetches it back; a right
press opens the menu, which Esc dismisses and whose items show the disc, open
the options and end the program."""

import sys
import time

from desktop import App, click, keys, own_wine_processes, run, save_screenshot, search, wait_until


def tray_windows():
    """Wine's own tray window, shown while it holds an icon: the visible
    window of this prefix's desktop process. Found by its owner, not by its
    name, which Wine 8 gives it ("Wine System Tray") and Wine 10 does not."""
    return [window for pid in own_wine_processes("explorer.exe /desktop")
            for window in search("--all", "--onlyvisible", "--pid", str(pid))]


class Tray:
    def __init__(self, app):
        self.app = app

    def shown(self):
        return bool(self.app.visible_windows("Kelbo Time"))

    def tray_visible(self):
        return bool(tray_windows())

    def icon(self):
        """The first icon cell of Wine's tray window: small icon plus border,
        in the bottom-left corner of the window's client area."""
        window = tray_windows()[0]
        left, top, _, height = self.app.geometry(window)
        return left + 3 + 10, top + height - 3 - 10

    def minimize(self):
        self.app.click_button("Minimize To System Tray")
        wait_until(lambda: not self.shown() and self.tray_visible(), "not put away in the tray")

    def click_icon(self, button=1):
        click(*self.icon(), button=button)

    def menu(self, at):
        """The open popup menu: a nameless window of the program with a corner
        at the point where the menu was asked for."""
        for window in self.app.visible_windows(""):
            if run("xdotool", "getwindowname", window).strip():
                continue
            left, top, width, height = self.app.geometry(window)
            corners = [(left, top), (left + width, top), (left, top + height),
                       (left + width, top + height)]
            if any(abs(x - at[0]) <= 2 and abs(y - at[1]) <= 2 for x, y in corners):
                return window
        return None

    def open_menu(self):
        # A press while a menu that just closed is still winding up is dropped
        # like any nested one; a user would press again, and so does this.
        at = self.icon()
        for presses in range(1, 5):
            click(*at, button=3)
            deadline = time.time() + 1
            while time.time() < deadline:
                menu = self.menu(at)
                if menu:
                    if presses > 1:
                        print("menu opened at press", presses)
                    return menu
                time.sleep(0.05)
        raise AssertionError("no menu after four right presses")

    def choose(self, index):
        menu = self.open_menu()
        left, top, width, height = self.app.geometry(menu)
        item = (height - 6) / 3
        click(left + width // 2, int(top + 3 + item * index + item / 2))


def main(exe):
    with App(exe) as app:
        app.wake()
        home = app.geometry()
        tray = Tray(app)

        tray.minimize()
        save_screenshot("tray_icon.png")
        tray.click_icon()
        wait_until(tray.shown, "a left press did not show the disc")
        wait_until(lambda: not tray.tray_visible(), "the icon stayed after a left press")
        assert app.geometry() == home
        print("minimize and a left press on the icon: ok")

        tray.minimize()
        menu = tray.open_menu()
        save_screenshot("tray_menu.png")
        # No window manager runs here to give the menu the keyboard: focus it
        # as one would, then press a real Esc.
        run("xdotool", "windowfocus", menu)
        keys("Escape")
        wait_until(lambda: menu not in app.visible_windows(""), "Esc did not dismiss the menu")
        assert not tray.shown() and tray.tray_visible(), "dismissing the menu changed something"
        print("right press opens the menu, Esc dismisses it: ok")

        tray.choose(1)  # Configure
        dialog = app.wait_for_window("Configure Options", timeout=10)
        assert not tray.shown(), "Configure showed the disc"
        run("xdotool", "windowfocus", dialog)
        keys("Escape")
        wait_until(lambda: not app.visible_windows("Configure Options"), "Esc left the dialog")
        print("Configure while hidden: ok")

        tray.choose(0)  # Show Kelbo Time
        wait_until(tray.shown, "Show Kelbo Time did not show the disc")
        wait_until(lambda: not tray.tray_visible(), "the icon stayed after Show Kelbo Time")
        print("Show Kelbo Time: ok")

        tray.minimize()
        tray.choose(2)  # Exit
        assert app.exited(), "Exit did not end the program"
        wait_until(lambda: not tray.tray_visible(), "a dead icon stayed in the tray")
        print("Exit removes the icon and ends the program: ok")
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
