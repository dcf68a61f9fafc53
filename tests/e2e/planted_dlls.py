"""The exe unpacked into a folder that also holds DLLs named as the system's
ones that it loads (ole32, oleaut32, oleacc, shell32, comctl32,
windowscodecs), as a Downloads folder may: the clock loads none of them,
and its pictures, accessible object, tray icon and options dialog work with
the system's own.

Wine looks for its own DLLs first. Told to look for one beside the exe
first (WINEDLLOVERRIDES=n,b), it searches as Windows does for a DLL that
Windows does not count as a known DLL: windowscodecs, oleacc, comctl32.
The others are known DLLs on Windows, which never come from beside an exe;
under Wine they are left to its own order, as Wine's own libraries load
ole32 by the search path the exe's folder heads."""

import os
import shutil
import subprocess
import sys
import tempfile

from accessibility import probe
from desktop import SALMON, App, screenshot, pixel, wait_until
from tray import Tray

PLANTED = ["ole32", "oleaut32", "oleacc", "shell32", "comctl32", "windowscodecs"]
NOT_KNOWN = ["oleacc", "comctl32", "windowscodecs"]


def loaded_from(pid, folder):
    """The files of `folder` that the process has mapped, the exe aside."""
    with open(f"/proc/{pid}/maps") as maps:
        paths = {line.split(None, 5)[5].strip() for line in maps if len(line.split(None, 5)) == 6}
    return sorted(p for p in paths if p.startswith(folder) and not p.endswith("KelboTime.exe"))


def picture_drawn(app, name):
    left, top, _, _ = app.geometry()
    x, y = app.button_centre(name)
    shot = screenshot()
    around = [pixel(shot, left + x + dx, top + y + dy) for dx in (-4, 0, 4) for dy in (-4, 0, 4)]
    return any(colour != SALMON for colour in around)


def main(exe, planted_dll, probe_exe):
    os.environ["WINEDLLOVERRIDES"] = "mscoree,mshtml=;" + ",".join(NOT_KNOWN) + "=n,b"
    with tempfile.TemporaryDirectory() as folder:
        unpacked = os.path.join(folder, "KelboTime.exe")
        shutil.copy(exe, unpacked)
        for name in PLANTED:
            shutil.copy(planted_dll, os.path.join(folder, name + ".dll"))
        with App(unpacked) as app:
            app.wake()
            for name in ("Configure Options", "Minimize To System Tray", "Exit Program"):
                wait_until(lambda: picture_drawn(app, name), f"{name}: no picture")
            print("pictures drawn")
            found = dict(probe(probe_exe))
            assert found["name"] == "Kelbo Time", found
            print("read by a screen reader as", found["name"])
            tray = Tray(app)
            tray.minimize()
            tray.click_icon()
            wait_until(tray.shown, "not back out of the tray")
            print("into the tray and out")
            app.click_button("Configure Options")
            app.wait_for_window("Configure Options", timeout=10)
            print("the options open")
            planted = loaded_from(app.process.pid, folder)
            assert not planted, ("loaded from beside the exe", planted)
            print("nothing loaded from beside the exe")
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(*sys.argv[1:])
