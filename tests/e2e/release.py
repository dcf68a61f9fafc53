"""The release zip as a Windows user takes it: unpacked into an empty folder,
its exe starts and shows the clock with nothing else beside it, and its
version information carries the project's version."""

import os
import subprocess
import sys
import tempfile
import zipfile

from desktop import App, wait_until

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def main(exe, probe, version):
    with tempfile.TemporaryDirectory() as out, tempfile.TemporaryDirectory() as fresh:
        subprocess.run([sys.executable, os.path.join(ROOT, "scripts", "package.py"), exe,
                        version, out], check=True, capture_output=True)
        name = f"KelboTime-{version}-win32.zip"
        with zipfile.ZipFile(os.path.join(out, name)) as archive:
            assert sorted(archive.namelist()) == ["KelboTime.exe", "LICENSE.txt", "README.txt"]
            archive.extractall(fresh)
        sums = open(os.path.join(out, "SHA256SUMS")).read()
        assert sums.endswith(f"  {name}\n"), sums

        unpacked = os.path.join(fresh, "KelboTime.exe")
        shown = subprocess.run(["wine", probe, unpacked], capture_output=True, text=True)
        assert shown.stdout.strip() == f"{version}.0", (shown.stdout, shown.returncode)
        print("version information:", shown.stdout.strip())

        with App(unpacked) as app:
            app.wake()
            wait_until(lambda: app.visible_windows("Kelbo Time"), "no clock from the zip")
            print("the unpacked exe shows the clock")
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(*sys.argv[1:])
