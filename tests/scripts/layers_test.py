"""scripts/check-layers on the real src/ and on small made-up ones whose
includes run up, sideways or in a loop."""

import pathlib
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
CHECK = ROOT / "scripts" / "check-layers"


def check(src):
    return subprocess.run([sys.executable, str(CHECK), str(src)], capture_output=True, text=True)


class Layers(unittest.TestCase):
    def test_the_program_includes_only_downwards(self):
        result = check(ROOT / "src")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("ui/ -> (nothing)", result.stdout)

    def test_an_include_that_does_not_run_down_fails(self):
        cases = {
            # (file, its include): what is named in the error
            "the toolkit reaching up": ("ui/form.h", '"app/settings.h"', "app/settings.h"),
            "a component into another": ("tray/tray.h", '"idle/idle.h"', "idle/idle.h"),
            "a relative path upwards": ("app/settings.h", '"../main_window/frm.h"', "frm.h"),
            "a folder on no floor": ("extra/x.h", '"ui/form.h"', "extra/"),
        }
        for name, (path, include, named) in cases.items():
            with self.subTest(name), tempfile.TemporaryDirectory() as folder:
                src = pathlib.Path(folder)
                for existing in ("ui/form.h", "app/settings.h", "idle/idle.h", "main_window/frm.h"):
                    (src / existing).parent.mkdir(parents=True, exist_ok=True)
                    (src / existing).write_text("#pragma once\n")
                (src / path).parent.mkdir(parents=True, exist_ok=True)
                (src / path).write_text(f"#pragma once\n#include {include}\n")
                result = check(src)
                self.assertEqual(result.returncode, 1, result.stdout)
                self.assertIn(named, result.stderr)


if __name__ == "__main__":
    unittest.main()
