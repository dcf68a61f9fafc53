"""scripts/release's options, on a copy of the script whose setup step is
a stand-in: a wrong option ends it with a message before anything is built,
and good options reach the build."""

import os
import shutil
import subprocess
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

# Reached only when the options were taken: it stops the release there.
SETUP_STAND_IN = "#!/bin/sh\necho reached setup\nexit 3\n"


class ReleaseOptions(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        scripts = os.path.join(self.tmp.name, "scripts")
        os.makedirs(scripts)
        shutil.copy(os.path.join(ROOT, "scripts", "release"), scripts)
        with open(os.path.join(scripts, "setup"), "w") as out:
            out.write(SETUP_STAND_IN)
        os.chmod(os.path.join(scripts, "setup"), 0o755)
        self.cert = os.path.join(self.tmp.name, "code signing.pfx")
        open(self.cert, "wb").close()

    def tearDown(self):
        self.tmp.cleanup()

    def release(self, *args):
        return subprocess.run([os.path.join(self.tmp.name, "scripts", "release"), *args],
                              capture_output=True, text=True, timeout=30)

    def test_refused(self):
        for args, message in [
            (["--sign", "missing.pfx"], "no certificate file: missing.pfx"),
            (["--sign", self.tmp.name], "no certificate file"),
            (["--sign"], "--sign needs a value"),
            (["--sign", ""], "--sign needs a value"),
            (["--sign=" + self.cert], "unknown option: --sign="),
            (["--signs", self.cert], "unknown option: --signs"),
            (["x.pfx"], "unknown option: x.pfx"),
            (["--timestamp", "http://ts.example"], "--timestamp signs nothing without --sign"),
            (["--url", "https://example.org/latest"], "the address has no {version}"),
            (["--url"], "--url needs a value"),
        ]:
            done = self.release(*args)
            self.assertEqual(done.returncode, 2, (args, done.stdout, done.stderr))
            self.assertIn(message, done.stderr, args)
            self.assertIn("usage: scripts/release", done.stderr, args)
            self.assertNotIn("reached setup", done.stdout, args)

    def test_taken(self):
        for args in [[], ["--sign", self.cert], ["--url", "https://example.org/v{version}"],
                     ["--sign", self.cert, "--timestamp", "http://ts.example"]]:
            done = self.release(*args)
            self.assertEqual(done.stdout, "reached setup\n", (args, done.stderr))


if __name__ == "__main__":
    unittest.main()
