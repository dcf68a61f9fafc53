"""The disc as a screen reader reads it, from a process of its own: a clock
named "Kelbo Time" whose value is the time the face shows, with its three
picture buttons by name; pressing one by name does what its click does; a
client that keeps the object after the disc closed gets an error, and
neither side crashes."""

import subprocess
import sys
import time

from desktop import WINE, App, wait_until


def probe(probe_exe, *args):
    out = subprocess.run([WINE, probe_exe, *args], capture_output=True, text=True, timeout=60)
    assert out.returncode == 0, ("the probe failed", out.returncode, out.stderr[-300:])
    lines = [line.split("=", 1) for line in out.stdout.splitlines() if "=" in line]
    return lines


def main(exe, probe_exe):
    with App(exe) as app:
        app.wake()
        before = time.time()
        lines = probe(probe_exe)
        after = time.time()
        found = dict(lines)
        assert found["role"] == "61", found  # ROLE_SYSTEM_CLOCK
        assert found["name"] == "Kelbo Time", found
        shown = {time.strftime("%H:%M:%S", time.localtime(t))
                 for t in range(int(before) - 1, int(after) + 2)}
        assert found["value"] in shown, (found["value"], sorted(shown))
        children = [value for key, value in lines if key == "child"]
        # The three picture buttons, and the opacity prompt's below the disc.
        assert children == ["Configure Options", "Minimize To System Tray", "Exit Program",
                            "Set Tran"], children
        print("read from another process:", found["name"], found["value"], children)

        pressed = dict(probe(probe_exe, "press", "Configure Options"))
        assert pressed.get("pressed") == "00000000", pressed
        app.wait_for_window("Configure Options", timeout=10)
        print("pressing \"Configure Options\" by name opened the options")

        holder = subprocess.Popen([WINE, probe_exe, "hold"], stdin=subprocess.PIPE,
                                  stdout=subprocess.PIPE, text=True)
        while "holding" not in holder.stdout.readline():
            pass
        app.click_button("Exit Program")
        wait_until(lambda: not app.visible_windows("Kelbo Time"), "the disc stayed")
        out, _ = holder.communicate("\n", timeout=60)
        answer = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)["after"]
        assert holder.returncode == 0, ("the holding client crashed", holder.returncode)
        assert int(answer, 16) & 0x80000000, ("a closed disc still answered", answer)
        print("a client holding the object after the disc closed got", answer)
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(*sys.argv[1:])
