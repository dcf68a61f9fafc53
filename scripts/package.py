#!/usr/bin/env python3
"""Packs a built KelboTime.exe into the release zip, reproducibly: the same
exe and texts give the same bytes (fixed time stamps, order and modes).

Usage: package.py EXE VERSION OUT_DIR
Writes OUT_DIR/KelboTime-VERSION-win32.zip and OUT_DIR/SHA256SUMS."""

import hashlib
import os
import subprocess
import sys
import tempfile
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
STAMP = (1980, 1, 1, 0, 0, 0)  # the earliest a zip can say


def windows_text(path):
    """A text file with Windows line ends, for Notepad of any age."""
    text = open(path, encoding="utf-8").read().replace("\r\n", "\n")
    return text.replace("\n", "\r\n").encode("utf-8")


def stripped(exe):
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "KelboTime.exe")
        # Without a fixed epoch, strip stamps the exe with the current time.
        env = dict(os.environ, SOURCE_DATE_EPOCH="0")
        subprocess.run(["i686-w64-mingw32-strip", "-o", out, exe], check=True, env=env)
        return open(out, "rb").read()


def main(exe, version, out_dir):
    files = [
        ("KelboTime.exe", stripped(exe)),
        ("LICENSE.txt", windows_text(os.path.join(ROOT, "LICENSE"))),
        ("README.txt", windows_text(os.path.join(ROOT, "release", "README.txt"))),
    ]
    os.makedirs(out_dir, exist_ok=True)
    name = f"KelboTime-{version}-win32.zip"
    path = os.path.join(out_dir, name)
    with zipfile.ZipFile(path, "w") as archive:
        for member, data in sorted(files):
            info = zipfile.ZipInfo(member, STAMP)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            info.create_system = 0  # as made on Windows: no Unix owner bits
            archive.writestr(info, data, compresslevel=9)
    digest = hashlib.sha256(open(path, "rb").read()).hexdigest()
    with open(os.path.join(out_dir, "SHA256SUMS"), "w") as sums:
        sums.write(f"{digest}  {name}\n")
    print(path)


if __name__ == "__main__":
    main(*sys.argv[1:])
