"""The package managers' manifests that scripts/manifests.py writes for a
release, read back as winget and Scoop read them: YAML and JSON, the folder
layout and first line that winget's community repository asks for, hashes
of the files, both processors, and the official schemas where
../shared/schemas is present."""

import glob
import hashlib
import json
import os
import sys
import tempfile
import unittest

import yaml

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SCHEMAS = os.path.join(ROOT, "..", "shared", "schemas")
sys.path.insert(0, os.path.join(ROOT, "scripts"))
import manifests  # noqa: E402

VERSION = "1.10.0"  # a version that YAML would read as a number if written plainly
FILES = [f"KelboTime-{VERSION}-{kind}" for kind in ("setup.exe", "win32.zip", "win64.zip")]


def read(path, mode="r"):
    with open(path, mode) as file:
        return file.read()


def sha256(path):
    return hashlib.sha256(read(path, "rb")).hexdigest()


class Release:
    """A release folder with stand-ins for the three files, and the
    manifests written for it."""

    def __init__(self, folder, *url):
        self.folder = folder
        for number, name in enumerate(FILES):
            with open(os.path.join(folder, name), "wb") as out:
                out.write(bytes([number]) * 1000)
        manifests.main(*url, VERSION, folder)
        self.winget_folder = os.path.join(folder, "winget", "manifests", "k", "KelboTime",
                                          "KelboTime", VERSION)
        self.winget = {}
        for path in glob.glob(os.path.join(self.winget_folder, "*.yaml")):
            text = read(path)
            self.winget[os.path.basename(path)] = (text, yaml.safe_load(text))
        self.scoop = json.loads(read(os.path.join(folder, "scoop", "kelbotime.json")))

    def by_type(self, kind):
        return next(m for _, m in self.winget.values() if m["ManifestType"] == kind)


class Manifests(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.release = Release(self.tmp.name)

    def tearDown(self):
        self.tmp.cleanup()

    def test_winget_layout_and_first_lines(self):
        self.assertEqual(sorted(self.release.winget), [
            "KelboTime.KelboTime.installer.yaml", "KelboTime.KelboTime.locale.en-US.yaml",
            "KelboTime.KelboTime.yaml"])
        for name, (text, manifest) in self.release.winget.items():
            kind = manifest["ManifestType"]
            self.assertEqual(text.splitlines()[0], "# yaml-language-server: $schema=https://aka.ms/"
                             f"winget-manifest.{kind}.1.28.0.schema.json", name)
            self.assertEqual(manifest["ManifestVersion"], "1.28.0")
            # The identifier names the folders, case and all.
            identifier = manifest["PackageIdentifier"]
            publisher, package = identifier.split(".")
            self.assertTrue(self.release.winget_folder.endswith(
                os.path.join(identifier[0].lower(), publisher, package, VERSION)))
            self.assertTrue(name.startswith(identifier + "."), name)
            self.assertEqual(manifest["PackageVersion"], VERSION, name)

    def test_one_setup_for_both_processors(self):
        installer = self.release.by_type("installer")
        setup = os.path.join(self.tmp.name, FILES[0])
        self.assertEqual(sorted(i["Architecture"] for i in installer["Installers"]), ["x64", "x86"])
        for entry in installer["Installers"]:
            self.assertEqual(entry["InstallerSha256"], sha256(setup).upper())
            self.assertEqual(entry["InstallerUrl"], "https://github.com/kelbo-time/kelbo-time/"
                             f"releases/download/v{VERSION}/{FILES[0]}")
        apps = installer["AppsAndFeaturesEntries"]
        self.assertEqual(apps, [{"DisplayName": "Kelbo Time", "DisplayVersion": VERSION,
                                 "Publisher": "The Kelbo Time developers",
                                 "ProductCode": "KelboTime"}])
        self.assertEqual(installer["ProductCode"], "KelboTime")
        self.assertEqual(installer["InstallerSwitches"]["InstallLocation"], "/D=<INSTALLPATH>")

    def test_scoop_zips(self):
        scoop = self.release.scoop
        self.assertEqual(scoop["version"], VERSION)
        self.assertNotIn("bin", scoop)
        self.assertEqual(scoop["shortcuts"], [["KelboTime.exe", "Kelbo Time"]])
        self.assertEqual(sorted(scoop["architecture"]), ["32bit", "64bit"])
        for arch, build in (("32bit", "win32"), ("64bit", "win64")):
            entry = scoop["architecture"][arch]
            name = f"KelboTime-{VERSION}-{build}.zip"
            self.assertEqual(entry["hash"], sha256(os.path.join(self.tmp.name, name)))
            self.assertTrue(entry["url"].endswith(f"/v{VERSION}/{name}"), entry["url"])
            # The next version's address is this one's with the version put back.
            update = scoop["autoupdate"]["architecture"][arch]["url"]
            self.assertEqual(update.replace("$version", VERSION), entry["url"])

    def test_against_the_official_schemas(self):
        if not os.path.isdir(SCHEMAS):
            self.skipTest(f"no schemas at {SCHEMAS}: the schema check is skipped")
        import jsonschema
        for name, (_, manifest) in self.release.winget.items():
            kind = manifest["ManifestType"]
            path = os.path.join(SCHEMAS, "winget-1.28.0", f"manifest.{kind}.1.28.0.json")
            jsonschema.validate(manifest, json.loads(read(path)))
        jsonschema.validate(self.release.scoop,
                            json.loads(read(os.path.join(SCHEMAS, "scoop", "schema.json"))))


class Addresses(unittest.TestCase):
    def test_a_download_folder_elsewhere(self):
        with tempfile.TemporaryDirectory() as folder:
            release = Release(folder, "--url", "https://example.org/kelbo/v{version}/")
            installer = release.by_type("installer")
            url = f"https://example.org/kelbo/v{VERSION}/{FILES[0]}"
            self.assertEqual({i["InstallerUrl"] for i in installer["Installers"]}, {url})
            scoop = release.scoop
            self.assertEqual(scoop["homepage"], "https://example.org/kelbo")
            self.assertEqual(scoop["checkver"], {"url": "https://example.org/kelbo",
                                                 "regex": r"v([\d.]+)/"})
            self.assertEqual(scoop["autoupdate"]["architecture"]["64bit"]["url"],
                             "https://example.org/kelbo/v$version/KelboTime-$version-win64.zip")

    def test_an_address_without_the_version(self):
        with self.assertRaises(SystemExit):
            manifests.addresses("https://example.org/kelbo/latest", VERSION)


class Scalars(unittest.TestCase):
    def test_yaml_reads_back_each_string(self):
        for value in ["1.2", "1.10.0", "yes", "No", "null", "a: b", "#x", "x #y", "-", "",
                      " lead", "/D=<INSTALLPATH>", "Kelbo Time", "https://a.b/c?d=e&f",
                      "0x1F", "1e3", "it's", 'say "hi"', "~", "@x", "*x", "[x]", "{x}"]:
            text = f"Key: {manifests.yaml_scalar(value)}\n"
            self.assertEqual(yaml.safe_load(text), {"Key": value}, text)


if __name__ == "__main__":
    unittest.main(verbosity=2)  # a skipped schema check says why
