"""The setup as a Windows user, an administrator and a package manager meet
it, each prefix a Windows of its own: a silent install with
start-at-sign-in, the clock started from the Start menu, an upgrade from an
older version over the running clock by a signed setup, a silent uninstall
while it runs, the pages clicked through once by hand, and winget's
manifest: its Apps entry against the registry, its location switch against
the setup. Where 32-bit Wine runs, the release's 32-bit setup is tested, in
a 64-bit and a 32-bit prefix; elsewhere the same script made as a 64-bit
setup, in a 64-bit prefix.

Usage: installer.py VERSION WIN32_EXE WIN64_EXE OLD_WIN32_EXE OLD_WIN64_EXE
The old exes (another compiler's build) go into a setup of version 1.0.0,
so that an upgrade has something else to replace."""

import os
import subprocess
import sys
import tempfile
import time
import zipfile

import yaml

from desktop import (ROOT, WINE, buttons_on_screen, click, keys, move_pointer, own_wine_processes,
                     restart_wine_server, run, save_screenshot, search, wait_until)

sys.path.insert(0, os.path.join(ROOT, "scripts"))
import manifests  # noqa: E402
import package  # noqa: E402

UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\KelboTime"
SHORTCUT = "Kelbo Time.lnk"
OLD_VERSION = "1.0.0"
INSTALLED = ["CHANGES.txt", "KelboTime.exe", "LICENSE.txt", "README.txt", "Uninstall.exe"]
PASSWORD = "a throwaway password"
# A test authority and the code-signing certificate it issues.
CERTIFICATES = """\
[req]
distinguished_name = name
prompt = no
[name]
CN = Kelbo Time Test Authority
[authority]
basicConstraints = critical, CA:true
keyUsage = critical, keyCertSign
subjectKeyIdentifier = hash
[signer]
basicConstraints = critical, CA:false
keyUsage = critical, digitalSignature
extendedKeyUsage = codeSigning
subjectKeyIdentifier = hash
authorityKeyIdentifier = keyid
"""


class Prefix:
    """A Wine prefix of the test's own: its environment, its paths, its
    registry."""

    def __init__(self, folder, arch):
        self.env = dict(os.environ, WINEPREFIX=folder,
                        # No menu entries in the real desktop for the shortcuts.
                        WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=")
        if arch == "win32":
            self.env["WINEARCH"] = "win32"
        self.folder = folder
        self.arch = arch
        # No window manager on the test display: Wine is not to wait for one.
        self.wine("reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed", "/d", "N",
                  "/f")
        restart_wine_server(self.env)

    def wine(self, *args, check=True, timeout=120):
        done = subprocess.run([WINE, *args], env=self.env, capture_output=True, text=True,
                              timeout=timeout)
        assert not check or done.returncode == 0, (args, done.returncode, done.stderr)
        return done

    def setup(self, *args, expect=0):
        """A setup or uninstaller, to its end. Not read from a pipe: a clock
        it starts would hold the pipe open."""
        code = subprocess.run([WINE, *args], env=self.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=120).returncode
        assert code == expect, (args, code, expect)

    def start(self, *args):
        return subprocess.Popen([WINE, *args], env=self.env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    def unix(self, path):
        drive, _, rest = path.partition(":\\")
        assert drive.upper() == "C", path
        return os.path.join(self.folder, "drive_c", *rest.split("\\"))

    def entry(self):
        """The uninstall entry's values, {name: value}; None without one."""
        done = self.wine("reg", "query", UNINSTALL_KEY, check=False)
        if done.returncode != 0:
            return None
        values = {}
        for line in done.stdout.splitlines():
            parts = line.strip().split(None, 2)
            if len(parts) >= 2 and parts[1].startswith("REG_"):
                values[parts[0]] = parts[2] if len(parts) == 3 else ""
        return values

    def entries(self):
        """How many programs named Kelbo Time the prefix's Apps list holds."""
        done = self.wine("reg", "query", UNINSTALL_KEY.rsplit("\\", 1)[0], "/s")
        return sum(1 for line in done.stdout.splitlines()
                   if line.split(None, 2)[:2] == ["DisplayName", "REG_SZ"]
                   and line.split(None, 2)[2:] == ["Kelbo Time"])

    def shell_folder(self, name):
        done = self.wine("reg", "query",
                         r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders",
                         "/v", name)
        line = next(line for line in done.stdout.splitlines() if name in line)
        return line.split("REG_SZ", 1)[1].strip()

    def shortcuts(self):
        """The three places the setup may put a shortcut, as Windows paths."""
        return {"start menu": self.shell_folder("Programs") + "\\" + SHORTCUT,
                "sign-in": self.shell_folder("Startup") + "\\" + SHORTCUT,
                "desktop": self.shell_folder("Desktop") + "\\" + SHORTCUT}

    def end(self):
        restart_wine_server(self.env)


def machine_of(path):
    return package.machine(path)[0]


def points_to(lnk, target):
    """Whether a shell link names `target` (its local base path, ANSI or
    UTF-16)."""
    data = open(lnk, "rb").read().lower()
    return target.lower().encode("latin-1") in data or target.lower().encode("utf-16-le") in data


def discs():
    # The disc's caption starts with spaces.
    return search("--onlyvisible", "--name", "^ *Kelbo Time$")


def named_windows():
    """Names of the visible windows on the display."""
    names = []
    for window in search("--onlyvisible", "--name", "."):
        done = subprocess.run(["xdotool", "getwindowname", window], capture_output=True,
                              text=True)
        names.append(done.stdout.strip())
    return sorted(name for name in names if name)


def check_installed(prefix, version, exe_data, want):
    """Files, the exe's processor and bytes, the shortcuts (`want`: place ->
    bool) and the uninstall entry after an install of `version`."""
    entry = prefix.entry()
    assert entry, "no uninstall entry"
    folder = entry["InstallLocation"]
    assert folder.lower().endswith(r"\appdata\local\programs\kelbo time"), folder
    local = prefix.unix(folder)
    assert sorted(os.listdir(local)) == INSTALLED, os.listdir(local)
    exe = os.path.join(local, "KelboTime.exe")
    build = "win64" if prefix.arch == "win64" else "win32"
    assert machine_of(exe) == build, (prefix.arch, machine_of(exe))
    assert open(exe, "rb").read() == exe_data[build], "not the setup's exe"
    exe_path = folder + r"\KelboTime.exe"
    uninstaller = folder + r"\Uninstall.exe"
    expected = {
        "DisplayName": "Kelbo Time", "DisplayVersion": version,
        "Publisher": "The Kelbo Time developers", "DisplayIcon": f'"{exe_path}",0',
        "InstallLocation": folder, "UninstallString": f'"{uninstaller}"',
        "QuietUninstallString": f'"{uninstaller}" /S', "NoModify": "0x1", "NoRepair": "0x1",
    }
    for name, value in expected.items():
        assert entry.get(name) == value, (name, entry.get(name), value)
    size = sum(os.path.getsize(os.path.join(local, f)) for f in INSTALLED)
    assert abs(int(entry["EstimatedSize"], 16) - size // 1024) <= len(INSTALLED), \
        (entry["EstimatedSize"], size)
    assert prefix.entries() == 1, "more than one Kelbo Time in Apps"
    for place, path in prefix.shortcuts().items():
        lnk = prefix.unix(path)
        assert os.path.exists(lnk) == want[place], (place, want[place])
        if want[place]:
            assert points_to(lnk, exe_path), (place, "points elsewhere")
    return folder


def silent_lifecycle(prefix, setups, version, old, release):
    """Old version installed silently, started from the Start menu, upgraded
    by the signed setup while it runs, uninstalled while it runs by the
    uninstaller that setup wrote."""
    prefix.setup(setups[OLD_VERSION], "/S", "/AUTOSTART=yes", expect=2)
    assert prefix.entry() is None, "installed with a bad option"
    prefix.setup(setups[OLD_VERSION], "/S", "/AUTOSTART=1")
    want = {"start menu": True, "sign-in": True, "desktop": False}
    folder = check_installed(prefix, OLD_VERSION, old, want)
    print(f"{prefix.arch}: silent install of {OLD_VERSION} with start at sign-in")

    # Started as a child, so that its exit code is the clock's own (Wine 10's
    # `start /wait` of a shortcut does not hand it on).
    clock = prefix.start(folder + r"\KelboTime.exe")
    wait_until(lambda: len(discs()) == 1, "no disc", timeout=30)

    started = time.time()
    prefix.setup(setups["signed"], "/S")
    assert clock.wait(10) == 0, ("the clock did not end cleanly", clock.returncode)
    check_installed(prefix, version, release.exes, want)  # the choices kept, one entry
    release.check_entry(prefix)
    assert release.verified(prefix.unix(folder + r"\Uninstall.exe")), "the uninstaller is unsigned"
    # The setup put back the clock it ended, from the new exe; nothing else
    # is left on the screen.
    wait_until(lambda: named_windows() == ["Kelbo Time"], "not the clock alone", timeout=30)
    print(f"{prefix.arch}: upgraded to {version} by the signed setup over the running clock in "
          f"{time.time() - started:.1f} s: it ended with 0 and is back; the Apps entry is "
          "the manifest's, the uninstaller signed")

    if prefix.arch == "win64":  # the probe that finds the gear is a 64-bit program
        refused_while_options_open(prefix, setups["signed"])
    # As a user starts it: the Start menu's shortcut, through the shell.
    prefix.start("start", prefix.shortcuts()["start menu"])
    wait_until(lambda: len(discs()) == 1, "no disc from the Start menu", timeout=30)
    print(f"{prefix.arch}: the Start menu's shortcut shows the clock")

    uninstaller = prefix.unix(folder + r"\Uninstall.exe")
    prefix.setup(folder + r"\Uninstall.exe", "/S")
    # The uninstaller goes on from a copy of itself, which can delete it.
    local = prefix.unix(folder)
    wait_until(lambda: not os.path.exists(local) and prefix.entry() is None,
               "the uninstall left something", timeout=30)
    assert not os.path.exists(uninstaller)
    for place, path in prefix.shortcuts().items():
        assert not os.path.exists(prefix.unix(path)), (place, "left behind")
    wait_until(lambda: not discs(), "the clock still runs", timeout=10)
    print(f"{prefix.arch}: silent uninstall while the clock ran: nothing left")


def refused_while_options_open(prefix, setup):
    """A clock whose options dialog is open ends as after "Exit": the disc
    goes, the dialog stays until the user closes it. A silent setup does not
    wait for the user: it fails with 2."""
    os.environ["WINEPREFIX"] = prefix.folder  # for the probe and the process list
    move_pointer(1, 1)  # a drifting disc comes home
    move_pointer(2, 2)
    time.sleep(1.5)
    left, top, width, height = buttons_on_screen()["Configure Options"]
    click(left + width // 2, top + height // 2)
    options = "^Configure Options$"
    wait_until(lambda: search("--onlyvisible", "--name", options), "no options", timeout=10)
    prefix.setup(setup, "/S", expect=2)
    assert not discs(), "the disc stayed"
    dialog = search("--onlyvisible", "--name", options)
    assert dialog, "the options went"
    assert own_wine_processes("KelboTime.exe"), "the clock was ended"
    run("xdotool", "windowfocus", dialog[0])
    keys("Escape")
    wait_until(lambda: not own_wine_processes("KelboTime.exe"), "the clock did not end",
               timeout=10)
    print(f"{prefix.arch}: with its options open, the disc went, a silent setup failed with 2, "
          "and the clock ended when they closed")


def by_hand(prefix, setup, version, new):
    """The pages, clicked through once: the folder, the choices (start at
    sign-in ticked), the finish page that starts the clock."""
    shots = os.environ.get("KELBO_SHOTS")
    shown = prefix.start(setup)
    # Each page adds its own words to the caption, here a space.
    caption = "^Kelbo Time Setup *$"
    wait_until(lambda: search("--onlyvisible", "--name", caption), "no setup window", timeout=30)
    window = search("--onlyvisible", "--name", caption)[0]
    run("xdotool", "windowfocus", window)  # no window manager here to do it
    time.sleep(1)
    keys("Return")  # the folder's page: the default
    time.sleep(1)
    keys("alt+w")  # "Start Kelbo Time when I sign in"
    time.sleep(1)
    save_screenshot("setup-choices.png")
    if shots:
        print("the choices page:", os.path.join(shots, "setup-choices.png"))
    keys("Return")  # Install
    wait_until(lambda: prefix.entry() is not None, "nothing installed", timeout=30)
    time.sleep(1)
    save_screenshot("setup-finish.png")
    keys("Return")  # Finish, with "Start Kelbo Time now" ticked
    assert shown.wait(30) == 0, ("the setup failed", shown.returncode)
    check_installed(prefix, version, new, {"start menu": True, "sign-in": True, "desktop": False})
    wait_until(lambda: len(discs()) == 1, "the finish page did not start the clock", timeout=30)
    print(f"{prefix.arch}: the pages by hand: the choice kept, the clock started at the end")
    folder = prefix.entry()["InstallLocation"]
    prefix.setup(folder + r"\Uninstall.exe", "/S")
    wait_until(lambda: prefix.entry() is None, "the uninstall left its entry", timeout=30)


def location_switch(prefix, setup, release):
    """winget's silent install into a folder of the user's, as winget puts
    the folder after the manifest's /D=: without quotes, and with them."""
    switches = release.installer["InstallerSwitches"]
    os.environ["WINEPREFIX"] = prefix.folder  # for the process list
    for quotes in ("", '"'):
        folder = r"C:\Kelbo Apps\Kelbo Time" + (" 2" if quotes else "")
        location = switches["InstallLocation"].replace("<INSTALLPATH>", quotes + folder + quotes)
        # A batch file hands the line on as it stands: Wine's own command
        # line would put quotes around an argument with spaces.
        line = f'"Z:{setup.replace("/", chr(92))}" {switches["Silent"]} {location}'
        batch = prefix.unix(r"C:\install.bat")
        with open(batch, "w", newline="\r\n") as out:
            out.write(f"@{line}\n")
        prefix.wine("cmd", "/c", r"C:\install.bat")
        wait_until(lambda: (prefix.entry() or {}).get("InstallLocation") == folder
                   and not own_wine_processes("-setup.exe"), f"not installed by {line}",
                   timeout=30)
        local = prefix.unix(folder)
        assert sorted(os.listdir(local)) == INSTALLED, os.listdir(local)
        prefix.setup(folder + r"\Uninstall.exe", "/S")
        wait_until(lambda: prefix.entry() is None and not os.path.exists(local),
                   "the uninstall left something", timeout=30)
    print(f"{prefix.arch}: the manifest's {switches['InstallLocation']} with a folder with "
          "spaces, with and without quotes: installed there")


class SignedRelease:
    """A release signed with a throwaway certificate, and its manifests."""

    def __init__(self, work, version, exes, amd64):
        self.folder = os.path.join(work, "signed")
        self.plain_exe = exes[-1]
        certs = os.path.join(work, "certificates")
        os.makedirs(certs)
        self.authority, cert = make_certificates(certs)
        flags = ["--amd64-setup"] if amd64 else []
        env = dict(os.environ, KELBO_SIGN_PASSWORD=PASSWORD)
        subprocess.run([sys.executable, os.path.join(ROOT, "scripts", "package.py"), *flags,
                        "--sign", cert, version, self.folder, *exes], check=True,
                       capture_output=True, env=env)
        self.setup = os.path.join(self.folder, f"KelboTime-{version}-setup.exe")
        self.exes = {}
        for build in ("win32", "win64"):
            with zipfile.ZipFile(os.path.join(self.folder, f"KelboTime-{version}-{build}.zip")) \
                    as archive:
                self.exes[build] = archive.read("KelboTime.exe")
        manifests.main(version, self.folder)
        folder = os.path.join(self.folder, "winget", "manifests", "k", "KelboTime", "KelboTime",
                              version)
        with open(os.path.join(folder, "KelboTime.KelboTime.installer.yaml")) as text:
            self.installer = yaml.safe_load(text)
        self.check_signatures(cert, env)

    def verified(self, path):
        done = subprocess.run(["osslsigncode", "verify", "-CAfile", self.authority, "-in", path],
                              capture_output=True, text=True)
        return done.returncode == 0

    def check_signatures(self, cert, env):
        with tempfile.TemporaryDirectory() as folder:
            for build, data in self.exes.items():
                exe = os.path.join(folder, f"{build}.exe")
                with open(exe, "wb") as out:
                    out.write(data)
                assert self.verified(exe), f"the {build} exe is unsigned"
            assert self.verified(self.setup), "the setup is unsigned"
            # The check tells signed from unsigned; a wrong password, or a
            # timestamp server that does not answer, signs nothing.
            plain = os.path.join(folder, "plain.exe")
            with open(plain, "wb") as out:
                out.write(stripped(self.plain_exe))
            assert not self.verified(plain), "an unsigned exe passed"
            before = open(plain, "rb").read()
            sign = os.path.join(ROOT, "scripts", "sign")
            for args, password in [
                ([sign, cert, plain], "wrong"),
                ([sign, "--timestamp", "http://127.0.0.1:9", cert, plain], PASSWORD),
            ]:
                done = subprocess.run(args, capture_output=True, text=True,
                                      env=dict(env, KELBO_SIGN_PASSWORD=password))
                assert done.returncode == 1 and "cannot sign" in done.stderr, (args, done.stderr)
                assert open(plain, "rb").read() == before, "a failed signing changed the file"
                assert not os.path.exists(plain + ".signing"), "a half-signed file was left"
        print("signed release: both exes and the setup verify against the test authority; "
              "a wrong password or a silent timestamp server signs nothing")

    def check_entry(self, prefix):
        """The manifest's Apps entry and product code against the registry."""
        entry = prefix.entry()
        assert self.installer["ProductCode"] == UNINSTALL_KEY.rsplit("\\", 1)[1]
        for apps in self.installer["AppsAndFeaturesEntries"]:
            assert apps["ProductCode"] == self.installer["ProductCode"]
            for name in ("DisplayName", "DisplayVersion", "Publisher"):
                assert apps[name] == entry[name], (name, apps[name], entry[name])
        assert self.installer["PackageVersion"] == entry["DisplayVersion"]


def make_certificates(folder):
    """A test authority and a code-signing certificate from it, in a .pfx
    with PASSWORD. Returns (the authority's .pem, the .pfx)."""
    config = os.path.join(folder, "openssl.cnf")
    with open(config, "w") as out:
        out.write(CERTIFICATES)

    def openssl(*args):
        subprocess.run(["openssl", *args], cwd=folder, check=True, capture_output=True)

    openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", "ca.key", "-out",
            "ca.pem", "-days", "2", "-config", config, "-extensions", "authority")
    openssl("req", "-newkey", "rsa:2048", "-nodes", "-keyout", "signer.key", "-out",
            "signer.csr", "-subj", "/CN=The Kelbo Time developers")
    openssl("x509", "-req", "-in", "signer.csr", "-CA", "ca.pem", "-CAkey", "ca.key",
            "-CAcreateserial", "-out", "signer.pem", "-days", "2", "-extfile", config,
            "-extensions", "signer")
    openssl("pkcs12", "-export", "-inkey", "signer.key", "-in", "signer.pem", "-certfile",
            "ca.pem", "-out", "signer.pfx", "-passout", f"pass:{PASSWORD}")
    return os.path.join(folder, "ca.pem"), os.path.join(folder, "signer.pfx")


def stripped(exe):
    return package.stripped(exe, package.machine(exe)[1])


def main(version, exe32, exe64, old32, old64):
    win32_runs = subprocess.run([WINE, "--win32-runs"], capture_output=True,
                                text=True)
    amd64 = win32_runs.returncode != 0
    new = {"win32": stripped(exe32), "win64": stripped(exe64)}
    old = {"win32": stripped(old32), "win64": stripped(old64)}
    assert new != old, "the old exes are the new ones"
    with tempfile.TemporaryDirectory() as work:
        setups = {}
        made = [(version, (exe32, exe64), version), (OLD_VERSION, (old32, old64), OLD_VERSION),
                (version, (exe32, exe64), "again")]
        for v, exes, folder in made:
            flags = ["--amd64-setup"] if amd64 else []
            subprocess.run([sys.executable, os.path.join(ROOT, "scripts", "package.py"), *flags,
                            v, os.path.join(work, folder), *exes], check=True,
                           capture_output=True)
            setups[folder] = os.path.join(work, folder, f"KelboTime-{v}-setup.exe")
        assert open(setups[version], "rb").read() == open(setups["again"], "rb").read(), \
            "two makes of the setup differ"
        sums = open(os.path.join(work, version, "SHA256SUMS")).read()
        assert f"  KelboTime-{version}-setup.exe\n" in sums, sums
        release = SignedRelease(work, version, (exe32, exe64), amd64)
        setups["signed"] = release.setup
        kind = "the 64-bit setup made for this test" if amd64 else "the release's 32-bit setup"
        print(f"setup: {kind}, {os.path.getsize(setups[version]):,} bytes, the same bytes "
              "when made again, in SHA256SUMS")

        arches = ["win64"] if amd64 else ["win64", "win32"]
        for arch in arches:
            prefix = Prefix(os.path.join(work, arch), arch)
            try:
                silent_lifecycle(prefix, setups, version, old, release)
                if arch == "win64":
                    by_hand(prefix, setups[version], version, new)
                    location_switch(prefix, release.setup, release)
            finally:
                prefix.end()
    if amd64:
        print("not tested here: the 32-bit setup and a 32-bit prefix:",
              win32_runs.stdout.strip())
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(*sys.argv[1:])
