#!/usr/bin/env python3
"""Writes what the package managers read about a release, from the files
the release just made: winget's three-file manifest, in the folders that
winget's community repository keeps it in, and Scoop's manifest for the
zips. Version, file names and SHA-256 come from the files; nothing is
written by hand per release.

Usage: manifests.py [--url ADDRESS] VERSION OUT_DIR
OUT_DIR holds the release (KelboTime-VERSION-setup.exe and the two zips).
Writes OUT_DIR/winget/manifests/k/KelboTime/KelboTime/VERSION/*.yaml and
OUT_DIR/scoop/kelbotime.json. ADDRESS is where the release's files are
downloaded from, with {version} where the version goes (DOWNLOADS below)."""

import argparse
import hashlib
import json
import os
import re
import sys

# Where a release's files are published.
DOWNLOADS = "https://github.com/kelbo-time/kelbo-time/releases/download/v{version}"

IDENTIFIER = "KelboTime.KelboTime"  # winget's Publisher.Name
NAME = "Kelbo Time"
PUBLISHER = "The Kelbo Time developers"  # as the setup writes it into Apps
PRODUCT_CODE = "KelboTime"  # the setup's key under ...\Uninstall
DESCRIPTION = "A small desktop clock that shows the time of day in binary."
TAGS = ["binary-clock", "clock", "desktop-widget", "time"]
MANIFEST_VERSION = "1.28.0"
GITHUB = re.compile(r"(https://github\.com/[^/]+/[^/]+)/releases/download/")


def sha256(path):
    with open(path, "rb") as file:
        return hashlib.sha256(file.read()).hexdigest()


def addresses(template, version):
    """The release's own addresses: its downloads, the project's home page,
    the release notes, the licence, and how Scoop finds a newer version."""
    if "{version}" not in template:
        raise SystemExit(f"the download address has no {{version}}: {template}")
    downloads = template.rstrip("/").replace("{version}", version)
    github = GITHUB.match(template)
    if github:
        home = github.group(1)
        return {"downloads": downloads, "home": home,
                "notes": f"{home}/releases/tag/v{version}",
                "licence": f"{home}/blob/v{version}/LICENSE", "checkver": {"github": home}}
    # Elsewhere, each release in a folder of its own: the home page is the
    # folder that lists them, and the newest is read off that list.
    head, tail = template.split("{version}", 1)
    home, prefix = head.rsplit("/", 1)
    suffix = tail.split("/")[0]
    return {"downloads": downloads, "home": home, "notes": downloads,
            "licence": "https://opensource.org/license/mit",
            "checkver": {"url": home,
                         "regex": re.escape(prefix) + r"([\d.]+)" + re.escape(suffix) + "/"}}


def yaml_scalar(value):
    """A string as YAML: plain where YAML reads it back as that string,
    else in double quotes (JSON's, which YAML reads too)."""
    plain = re.fullmatch(r"[A-Za-z/][A-Za-z0-9 ._/<>=:+-]*", value)
    if plain and ": " not in value and not value.endswith(":") and value.strip() == value \
            and value.lower() not in ("yes", "no", "true", "false", "on", "off", "null"):
        return value
    return json.dumps(value)


def yaml_lines(value, indent=""):
    """A manifest's mapping as YAML lines, in the order given."""
    lines = []
    for key, item in value.items():
        if isinstance(item, dict):
            lines.append(f"{indent}{key}:")
            lines += yaml_lines(item, indent + "  ")
        elif isinstance(item, list):
            lines.append(f"{indent}{key}:")
            for entry in item:
                if isinstance(entry, dict):
                    first, *rest = yaml_lines(entry, indent + "  ")
                    lines.append(f"{indent}- {first.lstrip()}")
                    lines += rest
                else:
                    lines.append(f"{indent}- {yaml_scalar(entry)}")
        elif isinstance(item, int):
            lines.append(f"{indent}{key}: {item}")
        else:
            lines.append(f"{indent}{key}: {yaml_scalar(item)}")
    return lines


def write_yaml(path, kind, body):
    """A winget manifest file, with the schema line that winget's own tools
    write first."""
    schema = f"https://aka.ms/winget-manifest.{kind}.{MANIFEST_VERSION}.schema.json"
    body = {**body, "ManifestType": kind, "ManifestVersion": MANIFEST_VERSION}
    with open(path, "w", newline="\n") as out:
        out.write(f"# yaml-language-server: $schema={schema}\n\n")
        out.write("\n".join(yaml_lines(body)) + "\n")


def winget(out_dir, version, where):
    """The version, installer and default-locale files. The one setup is
    listed for both processors: it installs the exe of the processor that
    Windows runs on, which is what winget's Architecture names."""
    publisher, name = IDENTIFIER.split(".")
    folder = os.path.join(out_dir, "winget", "manifests", IDENTIFIER[0].lower(), publisher, name,
                          version)
    os.makedirs(folder, exist_ok=True)
    setup = f"KelboTime-{version}-setup.exe"
    digest = sha256(os.path.join(out_dir, setup)).upper()
    package = {"PackageIdentifier": IDENTIFIER, "PackageVersion": version}
    write_yaml(os.path.join(folder, f"{IDENTIFIER}.yaml"), "version",
               {**package, "DefaultLocale": "en-US"})
    write_yaml(os.path.join(folder, f"{IDENTIFIER}.installer.yaml"), "installer", {
        **package,
        "InstallerType": "nullsoft",
        "Scope": "user",
        "InstallModes": ["interactive", "silent", "silentWithProgress"],
        # The setup takes /D= with or without quotes.
        "InstallerSwitches": {"Silent": "/S", "SilentWithProgress": "/S",
                              "InstallLocation": "/D=<INSTALLPATH>"},
        # A silent setup fails with 2 only when the running clock's options
        # are open and it cannot end.
        "ExpectedReturnCodes": [{"InstallerReturnCode": 2, "ReturnResponse": "packageInUse"}],
        "UpgradeBehavior": "install",
        "ProductCode": PRODUCT_CODE,
        "AppsAndFeaturesEntries": [{"DisplayName": NAME, "Publisher": PUBLISHER,
                                    "DisplayVersion": version, "ProductCode": PRODUCT_CODE}],
        "Installers": [{"Architecture": arch, "InstallerUrl": f"{where['downloads']}/{setup}",
                        "InstallerSha256": digest} for arch in ("x86", "x64")],
    })
    write_yaml(os.path.join(folder, f"{IDENTIFIER}.locale.en-US.yaml"), "defaultLocale", {
        **package,
        "PackageLocale": "en-US",
        "Publisher": PUBLISHER,
        "PackageName": NAME,
        "PackageUrl": where["home"],
        "License": "MIT",
        "LicenseUrl": where["licence"],
        "ShortDescription": DESCRIPTION,
        "Moniker": "kelbotime",
        "Tags": TAGS,
        "ReleaseNotesUrl": where["notes"],
    })
    return folder


def scoop(out_dir, version, where, template):
    """Scoop's manifest for the zips: no `bin`, since the clock is a
    windowed program that takes no arguments, and a Start menu shortcut."""
    architecture, updates = {}, {}
    newer = template.rstrip("/").replace("{version}", "$version")
    for scoop_name, build in (("32bit", "win32"), ("64bit", "win64")):
        name = f"KelboTime-{version}-{build}.zip"
        architecture[scoop_name] = {"url": f"{where['downloads']}/{name}",
                                    "hash": sha256(os.path.join(out_dir, name))}
        updates[scoop_name] = {"url": f"{newer}/KelboTime-$version-{build}.zip"}
    manifest = {
        "version": version,
        "description": DESCRIPTION,
        "homepage": where["home"],
        "license": {"identifier": "MIT", "url": where["licence"]},
        "architecture": architecture,
        "shortcuts": [["KelboTime.exe", NAME]],
        "checkver": where["checkver"],
        "autoupdate": {"architecture": updates, "hash": {"url": "$baseurl/SHA256SUMS"}},
    }
    os.makedirs(os.path.join(out_dir, "scoop"), exist_ok=True)
    path = os.path.join(out_dir, "scoop", "kelbotime.json")
    with open(path, "w", newline="\n") as out:
        json.dump(manifest, out, indent=4)
        out.write("\n")
    return path


def main(*args):
    parser = argparse.ArgumentParser(usage=__doc__)
    parser.add_argument("--url", default=DOWNLOADS)
    parser.add_argument("version")
    parser.add_argument("out_dir")
    options = parser.parse_args(args)
    where = addresses(options.url, options.version)
    print(winget(options.out_dir, options.version, where))
    print(scoop(options.out_dir, options.version, where, options.url))


if __name__ == "__main__":
    main(*sys.argv[1:])
