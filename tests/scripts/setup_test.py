"""scripts/setup against a stand-in apt: a package index that fails to
download, a package apt refuses, a machine that runs no 32-bit code. Nothing
is installed for real: apt-get, dpkg and dpkg-query are shims on PATH that
keep their state in a temporary folder."""

import os
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SETUP = os.path.join(ROOT, "scripts", "setup")

UPDATE_FAILURE = """\
E: Failed to fetch http://deb.example/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?
E: Some index files failed to download. They have been ignored, or old ones used instead."""
REFUSAL = "E: Unable to correct problems, you have held broken packages."

SHIMS = {
    # Every package is installed but those of $STATE/missing not installed since.
    "dpkg-query": r"""#!/bin/sh
if ! grep -qx "$3" "$STATE/missing" || grep -qx "$3" "$STATE/installed"; then
  echo "install ok installed"
fi
""",
    "dpkg": r"""#!/bin/sh
case "$1" in
  --print-foreign-architectures) cat "$STATE/architectures" 2>/dev/null ;;
  --add-architecture) echo "$2" >>"$STATE/architectures" ;;
  --remove-architecture) grep -vx "$2" "$STATE/architectures" >"$STATE/a"; mv "$STATE/a" "$STATE/architectures" ;;
esac
""",
    # Every call is logged; `update` fails while $STATE/update-fails exists;
    # a package named in $STATE/refused is refused.
    "apt-get": r"""#!/bin/sh
echo "$*" >>"$STATE/calls"
if [ "$1" = update ]; then
  [ -e "$STATE/update-fails" ] || exit 0
  cat "$STATE/update-fails"; exit 100
fi
shift 3
for package in "$@"; do
  if grep -qx "$package" "$STATE/refused"; then echo "Reading package lists..."; echo "$REFUSAL"; exit 100; fi
done
for package in "$@"; do echo "$package" >>"$STATE/installed"; done
""",
    "sudo": '#!/bin/sh\nexec "$@"\n',
    "runs-32bit": "#!/bin/sh\nexit 0\n",
    "runs-no-32bit": "#!/bin/sh\necho 'Exec format error'; exit 126\n",
}


def run_setup(missing, refused=(), update_fails=False, runs_32bit=True):
    """Runs setup with every package but those in `missing` installed.
    Returns (exit code, what it printed, apt-get calls, packages installed,
    foreign architectures)."""
    with tempfile.TemporaryDirectory() as state:
        for name, text in SHIMS.items():
            path = os.path.join(state, name)
            with open(path, "w") as f:
                f.write(text)
            os.chmod(path, 0o755)
        with open(os.path.join(state, "missing"), "w") as f:
            f.write("".join(p + "\n" for p in missing))
        open(os.path.join(state, "installed"), "w").close()
        with open(os.path.join(state, "refused"), "w") as f:
            f.write("".join(p + "\n" for p in refused))
        if update_fails:
            with open(os.path.join(state, "update-fails"), "w") as f:
                f.write(UPDATE_FAILURE + "\n")
        env = dict(os.environ, STATE=state, REFUSAL=REFUSAL, PATH=state + ":" + os.environ["PATH"],
                   SETUP_RETRY_PAUSE="0",
                   SETUP_32BIT_PROBE=os.path.join(state, "runs-32bit" if runs_32bit else "runs-no-32bit"))
        done = subprocess.run(["bash", SETUP], env=env, capture_output=True, text=True, timeout=60)

        def lines(name):
            path = os.path.join(state, name)
            if not os.path.exists(path):
                return []
            with open(path) as f:
                return f.read().split("\n")[:-1]

        return (done.returncode, done.stdout + done.stderr, lines("calls"), lines("installed"),
                lines("architectures"))


class Setup(unittest.TestCase):
    def test_nothing_missing_asks_apt_nothing(self):
        code, out, calls, _, _ = run_setup(missing=())
        self.assertEqual((code, out, calls), (0, "", []))

    def test_a_failing_index_is_retried_and_then_the_old_lists_used(self):
        code, out, calls, installed, _ = run_setup(missing=("xdotool",), update_fails=True)
        self.assertEqual(code, 0, out)
        self.assertEqual([c for c in calls if c == "update -qq"], ["update -qq"] * 3)
        self.assertIn("try 3 of 3", out)
        self.assertIn("going on with the package lists apt has", out)
        self.assertIn("xdotool", installed)

    def test_a_required_package_that_cannot_be_installed_ends_setup_in_one_line(self):
        for missing in (("xdotool",), ("xvfb", "xdotool", "openbox")):
            with self.subTest(missing=missing):
                code, out, _, installed, _ = run_setup(missing, refused=("xdotool",),
                                                       update_fails=True)
                self.assertEqual(code, 1, out)
                failure = [line for line in out.splitlines() if "cannot install" in line]
                self.assertEqual(failure, ["setup: cannot install xdotool: " + REFUSAL])
                self.assertNotIn("xdotool", installed)

    def test_32_bit_wine_is_optional(self):
        # (case, update fails, wine32 refused, runs 32-bit code) -> installed, words, i386 kept
        cases = [
            ("failing index and refused", True, True, True, False, "32-bit Wine is not installed", False),
            ("refused with good lists", False, True, True, False, REFUSAL, False),
            ("installs", False, False, True, True, None, True),
            ("no 32-bit code here", True, False, False, False, None, False),
        ]
        for case, fails, refused, runs, wine32, words, i386 in cases:
            with self.subTest(case):
                code, out, calls, installed, archs = run_setup(
                    missing=("wine32:i386",), refused=("wine32:i386",) if refused else (),
                    update_fails=fails, runs_32bit=runs)
                self.assertEqual(code, 0, out)
                self.assertEqual("wine32:i386" in installed, wine32)
                self.assertEqual("i386" in archs, i386, "the i386 architecture is left as found")
                if words:
                    self.assertIn(words, out)
                if not runs:
                    self.assertEqual(calls, [], "nothing is asked of apt for 32-bit Wine")


if __name__ == "__main__":
    sys.exit(unittest.main(verbosity=2))
