"""The release zip of the build under test as a Windows user takes it:
unpacked into an empty folder, its exe starts and shows the clock with nothing else beside it, and its
version information carries the project's version."""

import os
import subprocess
import sys
import tempfile
import zipfile

from desktop import ROOT, WINE, App, wait_until

sys.path.insert(0, os.path.join(ROOT, "scripts"))
from package import machine  # noqa: E402


def main(exe, probe, version):
    with tempfile.TemporaryDirectory() as out, tempfile.TemporaryDirectory() as fresh:
        subprocess.run([sys.executable, os.path.join(ROOT, "scripts", "package.py"), version,
                        out, exe], check=True, capture_output=True)
        build = machine(exe)[0]
        name = f"KelboTime-{version}-{build}.zip"
        with zipfile.ZipFile(os.path.join(out, name)) as archive:
            assert sorted(archive.namelist()) == ["CHANGES.txt", "KelboTime.exe", "LICENSE.txt",
                                                  "README.txt"], archive.namelist()
            archive.extractall(fresh)
            readme = archive.read("README.txt").decode()
            assert f"KelboTime-{version}-{build}.zip" in readme and "@" not in readme
            changes = archive.read("CHANGES.txt").decode()
            assert changes.split("\r\n## ")[1].startswith(version), "CHANGES.txt: not this version first"
        sums = open(os.path.join(out, "SHA256SUMS")).read()
        assert sums.endswith(f"  {name}\n"), sums
        print("zip:", name)

        unpacked = os.path.join(fresh, "KelboTime.exe")
        # Windows checks the manifest's processor against the exe's own.
        processor = {"win32": "x86", "win64": "amd64"}[build]
        assert f'processorArchitecture="{processor}"'.encode() in open(unpacked, "rb").read()
        shown = subprocess.run([WINE, probe, unpacked], capture_output=True, text=True)
        assert shown.stdout.strip() == f"{version}.0", (shown.stdout, shown.returncode)
        print("version information:", shown.stdout.strip())

        with App(unpacked) as app:
            app.wake()
            wait_until(lambda: app.visible_windows("Kelbo Time"), "no clock from the zip")
            print("the unpacked exe shows the clock")
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(*sys.argv[1:])
