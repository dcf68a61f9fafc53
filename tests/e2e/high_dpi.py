"""The clock on a screen at 150 % (144 DPI): every size follows from the
twips, so the disc starts at 267 pixels square, in its home corner, with its
picture buttons taking clicks. Runs in a Wine prefix of its own whose
LogPixels is 144, on a server started afresh."""

import os
import subprocess
import sys

from desktop import WINE, App, restart_wine_server, run, wait_until

SIDE = 267  # 2670 twips at 10 twips a pixel


def own_prefix(exe):
    prefix = os.path.join(os.path.dirname(os.path.abspath(exe)), "wine-144dpi")
    os.environ["WINEPREFIX"] = prefix
    quiet = dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for key in (r"HKCU\Control Panel\Desktop", r"HKCU\Software\Wine\Fonts"):
        subprocess.run([WINE, "reg", "add", key, "/v", "LogPixels", "/t", "REG_DWORD", "/d",
                        "144", "/f"], check=True, **quiet)
    subprocess.run([WINE, "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed", "/d",
                    "N", "/f"], check=True, **quiet)
    restart_wine_server()


def main(exe):
    own_prefix(exe)
    with App(exe) as app:
        left, top, width, height = app.geometry()
        assert (width, height) == (SIDE, SIDE), ("not 267 pixels square", app.geometry())
        right, bottom = (int(v) for v in run("xdotool", "getdisplaygeometry").split())
        # Woken over the disc wherever it stands, it goes home: the corner,
        # 500 twips (50 pixels) up.
        run("xdotool", "mousemove", str(left + SIDE // 2), str(top + SIDE // 2))
        wait_until(lambda: app.geometry()[:2] == (right - SIDE, bottom - SIDE - 50),
                   f"not home at 144 DPI: {app.geometry()}")
        print("at 144 DPI: 267 pixels square, home at", app.geometry()[:2])
        # The gear's box, 720..1035 x 1680..1920 twips, at 10 twips a pixel.
        run("xdotool", "mousemove", str(right - SIDE + 88), str(bottom - SIDE - 50 + 180),
            "click", "1")
        app.wait_for_window("Configure Options", timeout=10)
        print("the gear, where 144 DPI puts it, opens the options")
    restart_wine_server()
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(sys.argv[1])
