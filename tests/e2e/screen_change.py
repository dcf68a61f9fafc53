"""The screen gets smaller under the running clock, as when a laptop leaves
its dock. The clock runs in a Wine virtual desktop (a prefix of its own whose
default desktop is virtual), which a probe shrinks from 1024x768 to 800x600
with ChangeDisplaySettings: at rest, the clock moves to its new home on the
new screen; drifting, it is kept on the new screen and comes home to the new
corner when the user is back. Waits out the idle minute: slow."""

import os
import subprocess
import sys
import tempfile
import time

from desktop import BOTTOM_GAP, DISC_SIDE, WINE, move_pointer, px, restart_wine_server, wait_until

LAST_INPUT = [0.0]


def wine_env(exe):
    prefix = os.path.join(os.path.dirname(os.path.abspath(exe)), "wine-desktop")
    env = dict(os.environ, WINEPREFIX=prefix)
    # Not captured: the first command starts Wine's server and services, which
    # would keep a captured output open for as long as they run.
    quiet = dict(env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    for key, name, value in [(r"HKCU\Software\Wine\Explorer", "Desktop", "Default"),
                             (r"HKCU\Software\Wine\Explorer\Desktops", "Default", "1024x768")]:
        subprocess.run([WINE, "reg", "add", key, "/v", name, "/d", value, "/f"], **quiet)
    # The desktop is made when Wine's server starts: start it afresh, so that
    # the one made before these settings (by wineboot) is not the one used.
    restart_wine_server(env)
    return env


def wake():
    """Real pointer input inside the virtual desktop, which covers the display."""
    move_pointer(300 + int(time.time()) % 9, 300)
    LAST_INPUT[0] = time.time()


def home_for(width, height):
    side = px(DISC_SIDE)
    return (width - side, height - side - px(BOTTOM_GAP), width, height - px(BOTTOM_GAP))


def main(exe, probe):
    env = wine_env(exe)

    def run_probe(*args):
        """The probe's exit code and output. The output goes through a file,
        not a pipe: a Wine service that the probe happens to start would hold
        a pipe open for as long as it runs."""
        with tempfile.TemporaryFile(mode="w+") as out:
            code = subprocess.run([WINE, probe, *args], env=env, stdout=out,
                                  stderr=subprocess.DEVNULL, timeout=60).returncode
            out.seek(0)
            return code, out.read()

    def where():
        code, text = run_probe("where")
        assert code == 0, ("no clock in the desktop", code)
        left, top, right, bottom, width, height, _ = map(int, text.split())
        return (left, top, right, bottom), (width, height)

    def resize(width, height):
        code, text = run_probe("resize", str(width), str(height))
        assert code == 0, ("no resize", code, text)
        wait_until(lambda: where()[1] == (width, height), "the screen kept its size")

    clock = subprocess.Popen([WINE, exe], env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    try:
        wait_until(lambda: run_probe("where")[0] == 0, "no clock", timeout=30)
        wake()  # the clock is at rest
        wait_until(lambda: where()[0] == home_for(1024, 768), "not at home", timeout=5)

        resize(800, 600)
        wait_until(lambda: where()[0] == home_for(800, 600),
                   "not at the new home: %s" % (where(),), timeout=5)
        print("at rest: moved to the new home", where()[0])

        resize(1024, 768)
        wait_until(lambda: where()[0] == home_for(1024, 768), "not home on 1024x768")
        time.sleep(max(0, LAST_INPUT[0] + 62 - time.time()))
        wait_until(lambda: where()[0] != home_for(1024, 768), "not drifting", timeout=5)
        resize(800, 600)
        rect = where()[0]
        assert rect[0] >= 0 and rect[1] >= 0 and rect[2] <= 800 and rect[3] <= 600, rect
        print("drifting: kept on the new screen", rect)

        wake()
        wait_until(lambda: where()[0] == home_for(800, 600), "not home after input", timeout=5)
        print("back home on the new screen after input")
    finally:
        clock.kill()
        clock.wait()
        restart_wine_server(env)
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(*sys.argv[1:])
