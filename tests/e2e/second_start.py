"""Starting the program again while it runs always ends with exactly one
disc on the screen, visible, and the second start ends with code 0 within
about a second: whether the running clock is shown, put away in the tray,
busy with its modal prompt (which stays open),
made invisible (level 0), closed while its options dialog keeps the program
alive, or out of reach of other processes because Wine's desktop process
ended."""

import os
import signal
import subprocess
import sys
import time

from desktop import (WINE, App, keys, opacity, own_wine_processes, restart_wine_server, run,
                     search, wait_until)
from transparency_prompt import open_prompt
from tray import Tray, tray_windows


def start_again(exe):
    started = time.time()
    second = subprocess.run([WINE, exe], capture_output=True, timeout=30)
    assert second.returncode == 0, ("the second start failed", second.returncode)
    return time.time() - started


def one_visible_disc(app, what):
    """After a second start: one disc, of the running program, shown at a
    level that can be seen."""
    wait_until(lambda: len(app.visible_windows("Kelbo Time")) == 1, f"{what}: no disc")
    discs = search("--onlyvisible", "--name", "Kelbo Time")
    assert len(discs) == 1, (what, "more than one disc", discs)
    assert opacity(discs[0]) > 0, (what, "an invisible disc")
    return discs[0]


def main(exe):
    with App(exe) as app:
        app.wake()
        took = start_again(exe)
        assert one_visible_disc(app, "shown") == app.window
        print(f"shown: one disc, the second start took {took:.2f} s")

        tray = Tray(app)
        tray.minimize()
        start_again(exe)
        wait_until(lambda: not tray_windows(), "the icon stayed")
        one_visible_disc(app, "in the tray")
        print("in the tray: the clock came back out of it")

        prompt = open_prompt(app)  # modal: the clock answers from the prompt's loop
        took = start_again(exe)
        one_visible_disc(app, "with the prompt open")
        assert app.visible_windows("Set Transparency") == [prompt], "the prompt went"
        print(f"with the prompt open: the disc shown, the prompt kept, in {took:.2f} s")
        run("xdotool", "windowfocus", prompt)  # no window manager here to do it
        keys("Escape")
        wait_until(lambda: not app.visible_windows("Set Transparency"), "the prompt stayed")

        open_prompt(app)
        run("xdotool", "type", "0")
        keys("Return")
        wait_until(lambda: opacity(app.window) == 0, "level 0 not taken")
        start_again(exe)
        wait_until(lambda: opacity(app.window) == 225, "still invisible after a second start")
        one_visible_disc(app, "at level 0")
        print("at level 0: back at 225")

        app.click_button("Configure Options")
        app.wait_for_window("Configure Options", timeout=10)
        app.click_button("Exit Program")
        wait_until(lambda: not app.visible_windows("Kelbo Time"), "the disc stayed")
        assert app.process.poll() is None, "the open dialog should keep the program alive"
        took = start_again(exe)
        app.window = one_visible_disc(app, "closed with the options open")
        print(f"closed with the options open: a new disc in {took:.2f} s")

        tray.minimize()
        # Wine's desktop and tray process, of this prefix alone.
        for pid in own_wine_processes("explorer.exe /desktop"):
            os.kill(pid, signal.SIGTERM)
        took = start_again(exe)
        one_visible_disc(app, "desktop process gone")
        print(f"with Wine's desktop process gone: back in {took:.2f} s")
    # No desktop process is left for the tests after this one.
    restart_wine_server()
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
