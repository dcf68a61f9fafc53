#!/usr/bin/env python3
"""Packs built KelboTime.exe files into the release zips, reproducibly: the
same exes and texts give the same bytes (fixed time stamps, order and modes).
Each exe's zip is named after the processor its PE header names.

Usage: package.py VERSION OUT_DIR EXE [EXE...]
Writes OUT_DIR/KelboTime-VERSION-win32.zip and/or -win64.zip, and
OUT_DIR/SHA256SUMS for all of them."""

import hashlib
import os
import struct
import subprocess
import sys
import tempfile
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
STAMP = (1980, 1, 1, 0, 0, 0)  # the earliest a zip can say
# PE machine field -> (the zip's build name, the binutils prefix)
MACHINES = {0x014C: ("win32", "i686-w64-mingw32"), 0x8664: ("win64", "x86_64-w64-mingw32")}


def machine(exe):
    """The build an exe is for, read from its PE header."""
    data = open(exe, "rb").read(4096)
    if data[:2] != b"MZ":
        raise SystemExit(f"{exe}: not a Windows exe")
    header = struct.unpack_from("<I", data, 0x3C)[0]
    if data[header:header + 4] != b"PE\0\0":
        raise SystemExit(f"{exe}: no PE header")
    code = struct.unpack_from("<H", data, header + 4)[0]
    if code not in MACHINES:
        raise SystemExit(f"{exe}: a processor the release has no build for ({code:#x})")
    return MACHINES[code]


def windows_text(path, version):
    """A text file with Windows line ends, for Notepad of any age, with the
    release's version for @VERSION@."""
    text = open(path, encoding="utf-8").read().replace("\r\n", "\n")
    text = text.replace("@VERSION@", version)
    return text.replace("\n", "\r\n").encode("utf-8")


def stripped(exe, tools):
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "KelboTime.exe")
        # Without a fixed epoch, strip stamps the exe with the current time.
        env = dict(os.environ, SOURCE_DATE_EPOCH="0")
        subprocess.run([f"{tools}-strip", "-o", out, exe], check=True, env=env)
        return open(out, "rb").read()


def write_zip(path, files):
    with zipfile.ZipFile(path, "w") as archive:
        for member, data in sorted(files):
            info = zipfile.ZipInfo(member, STAMP)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            info.create_system = 0  # as made on Windows: no Unix owner bits
            archive.writestr(info, data, compresslevel=9)


def main(version, out_dir, *exes):
    if not exes:
        raise SystemExit(__doc__)
    os.makedirs(out_dir, exist_ok=True)
    texts = [
        ("CHANGES.txt", windows_text(os.path.join(ROOT, "CHANGELOG.md"), version)),
        ("LICENSE.txt", windows_text(os.path.join(ROOT, "LICENSE"), version)),
        ("README.txt", windows_text(os.path.join(ROOT, "release", "README.txt"), version)),
    ]
    sums = []
    for exe in exes:
        build, tools = machine(exe)
        name = f"KelboTime-{version}-{build}.zip"
        path = os.path.join(out_dir, name)
        write_zip(path, texts + [("KelboTime.exe", stripped(exe, tools))])
        sums.append((name, hashlib.sha256(open(path, "rb").read()).hexdigest()))
        print(path)
    with open(os.path.join(out_dir, "SHA256SUMS"), "w") as out:
        for name, digest in sorted(sums):
            out.write(f"{digest}  {name}\n")


if __name__ == "__main__":
    main(*sys.argv[1:])
