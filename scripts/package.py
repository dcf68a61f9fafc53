#!/usr/bin/env python3
"""Packs built KelboTime.exe files into the release zips and the setup,
reproducibly: the same exes and texts give the same bytes (fixed time
stamps, order and modes). Each exe's zip is named after the processor its
PE header names.

Usage: package.py [--amd64-setup] [--sign CERT.pfx [--timestamp URL]]
                  VERSION OUT_DIR EXE [EXE...]
Writes OUT_DIR/KelboTime-VERSION-win32.zip and/or -win64.zip; given both
processors' exes, OUT_DIR/KelboTime-VERSION-setup.exe, which holds both; and
OUT_DIR/SHA256SUMS for all of them. The setup is a 32-bit program, which
every Windows runs; --amd64-setup makes a 64-bit one of the same script,
for test machines that run no 32-bit Windows programs.

--sign signs each exe before it is zipped or packed, the uninstaller that
the setup writes, and the setup (scripts/sign: the password comes from
KELBO_SIGN_PASSWORD). A signature holds its time, so only an unsigned
release is the same bytes when made again."""

import argparse

import hashlib
import os
import shlex
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


def stripped(exe, tools, signer=None):
    """The exe without its symbols, and signed where a signer is given."""
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "KelboTime.exe")
        # Without a fixed epoch, strip stamps the exe with the current time.
        env = dict(os.environ, SOURCE_DATE_EPOCH="0")
        subprocess.run([f"{tools}-strip", "-o", out, exe], check=True, env=env)
        if signer:
            sign(signer, out)
        return open(out, "rb").read()


def signer_of(cert, timestamp):
    """The command that signs the file named after it; None for no
    signing."""
    if not cert:
        return None
    at = ["--timestamp", timestamp] if timestamp else []
    return [os.path.join(ROOT, "scripts", "sign"), *at, os.path.abspath(cert)]


def sign(signer, path):
    if subprocess.run([*signer, path]).returncode != 0:
        raise SystemExit(f"cannot sign {os.path.basename(path)}: the release is not made")


def write_zip(path, files):
    with zipfile.ZipFile(path, "w") as archive:
        for member, data in sorted(files):
            info = zipfile.ZipInfo(member, STAMP)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            info.create_system = 0  # as made on Windows: no Unix owner bits
            archive.writestr(info, data, compresslevel=9)


def write_setup(path, version, exes, texts, amd64, signer):
    """The setup, made by makensis from installer/KelboTime.nsi, holding the
    stripped exes ({build: bytes}) and the texts."""
    with tempfile.TemporaryDirectory() as folder:
        for build, data in exes.items():
            with open(os.path.join(folder, f"{build}.exe"), "wb") as out:
                out.write(data)
        for member, data in texts:
            with open(os.path.join(folder, member), "wb") as out:
                out.write(data)
        defines = [f"-DVERSION={version}", f"-DOUTFILE={os.path.abspath(path)}",
                   f"-DEXE32={os.path.join(folder, 'win32.exe')}",
                   f"-DEXE64={os.path.join(folder, 'win64.exe')}", f"-DTEXTS={folder}"]
        if amd64:
            defines.append("-DAMD64")
        if signer:
            # makensis hands the uninstaller it made to this command (%1).
            defines.append("-DSIGN=" + " ".join(map(shlex.quote, signer)) + ' "%1"')
        script = os.path.join(ROOT, "installer", "KelboTime.nsi")
        made = subprocess.run(["makensis", "-V2", "-WX", *defines, script], capture_output=True,
                              text=True)
        if made.returncode != 0:
            raise SystemExit(f"makensis failed:\n{made.stdout}{made.stderr}")
    if signer:
        sign(signer, path)


def main(*args):
    parser = argparse.ArgumentParser(usage=__doc__)
    parser.add_argument("--amd64-setup", action="store_true")
    parser.add_argument("--sign", metavar="CERT.pfx")
    parser.add_argument("--timestamp", metavar="URL")
    parser.add_argument("version")
    parser.add_argument("out_dir")
    parser.add_argument("exes", nargs="+")
    options = parser.parse_args(args)
    version, out_dir, exes = options.version, options.out_dir, options.exes
    signer = signer_of(options.sign, options.timestamp)
    os.makedirs(out_dir, exist_ok=True)
    texts = [
        ("CHANGES.txt", windows_text(os.path.join(ROOT, "CHANGELOG.md"), version)),
        ("LICENSE.txt", windows_text(os.path.join(ROOT, "LICENSE"), version)),
        ("README.txt", windows_text(os.path.join(ROOT, "release", "README.txt"), version)),
    ]
    names, builds = [], {}
    for exe in exes:
        build, tools = machine(exe)
        builds[build] = stripped(exe, tools, signer)
        name = f"KelboTime-{version}-{build}.zip"
        write_zip(os.path.join(out_dir, name), texts + [("KelboTime.exe", builds[build])])
        names.append(name)
    if len(builds) == len(MACHINES):
        name = f"KelboTime-{version}-setup.exe"
        write_setup(os.path.join(out_dir, name), version, builds, texts, options.amd64_setup,
                    signer)
        names.append(name)
    sums = []
    for name in names:
        path = os.path.join(out_dir, name)
        sums.append((name, hashlib.sha256(open(path, "rb").read()).hexdigest()))
        print(path)
    with open(os.path.join(out_dir, "SHA256SUMS"), "w") as out:
        for name, digest in sorted(sums):
            out.write(f"{digest}  {name}\n")


if __name__ == "__main__":
    main(*sys.argv[1:])
