"""Drives the real KelboTime.exe under Wine on the test display, as a user
would: real X input through xdotool, screenshots through ImageMagick."""

import ctypes
import ctypes.util
import os
import subprocess
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
# Every Windows program starts through the project's one way of starting
# Wine, which makes the prefix (WINEPREFIX) on first use.
WINE = os.path.join(ROOT, "scripts", "wine")

TWIPS_PER_PIXEL = 15  # Wine's default 96 DPI
LIT = (128, 128, 255)    # 0x00FF8080 as R, G, B
UNLIT = (128, 64, 64)    # 0x00404080
SALMON = (255, 102, 102)


# What a user must see, as the tests expect it: the disc's side and its
# gap above the bottom of the work area, and the rows of lamps, in twips.
# Where the buttons are, the program tells (buttons_on_screen).
DISC_SIDE = 2670
BOTTOM_GAP = 500
LAMP_ROW_TOPS = {"hour": 360, "minute": 720, "second": 1080}
# Reads the disc as a screen reader does; ctest names it for every test.
ACCESSIBILITY_PROBE = os.environ.get("KELBO_ACCESSIBILITY_PROBE")


def px(twips):
    """Twips to pixels, nearest, halves to even (as the program rounds)."""
    return round(twips / TWIPS_PER_PIXEL)


def buttons_on_screen():
    """The disc's picture buttons as the program tells a screen reader:
    {name: (left, top, width, height)} on the screen, in pixels."""
    assert ACCESSIBILITY_PROBE, "KELBO_ACCESSIBILITY_PROBE names no probe"
    out = subprocess.run([WINE, ACCESSIBILITY_PROBE], capture_output=True, text=True,
                         timeout=60, check=True).stdout
    boxes, name = {}, None
    for line in out.splitlines():
        key, _, value = line.partition("=")
        if key == "child":
            name = value
        elif key == "at" and name:
            boxes[name] = tuple(int(v) for v in value.split(","))
    return boxes


def screen_size():
    """(width, height) of the X screen, in pixels."""
    width, height = run("xdotool", "getdisplaygeometry").split()
    return int(width), int(height)


def work_area_corner():
    """The work area's right and bottom edges: the screen's, unless the root
    window names a work area (a panel, or a test), which Wine then takes."""
    out = subprocess.run(["xprop", "-root", "_NET_WORKAREA"], capture_output=True,
                         text=True).stdout
    if "=" in out:
        left, top, width, height = (int(v) for v in out.split("=")[1].split(",")[:4])
        return left + width, top + height
    return screen_size()


def home_geometry():
    """Where the disc stands at rest: the work area's bottom-right corner,
    500 twips up."""
    right, bottom = work_area_corner()
    side = px(DISC_SIDE)
    top = px(bottom * TWIPS_PER_PIXEL - side * TWIPS_PER_PIXEL - BOTTOM_GAP)
    return (right - side, top, side, side)


def own_wine_processes(command):
    """Pids of the processes of this run's Wine prefix (WINEPREFIX) whose
    command line contains `command`: never another run's, nor a user's."""
    prefix = os.environ["WINEPREFIX"].encode()
    pids = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/environ", "rb") as f:
                environ = f.read().split(b"\0")
            with open(f"/proc/{entry}/cmdline", "rb") as f:
                cmdline = f.read().replace(b"\0", b" ")
        except OSError:  # gone, or not ours to read
            continue
        if b"WINEPREFIX=" + prefix in environ and command.encode() in cmdline:
            pids.append(int(entry))
    return pids


def restart_wine_server(env=None):
    """Ends the prefix's Wine server and waits until it has gone, so that the
    next command starts a new one rather than meeting this one ending."""
    for flag in ("-k", "-w"):
        subprocess.run([WINE, "--server", flag], env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def search(*args):
    """Window ids from `xdotool search`; none is no error."""
    return subprocess.run(["xdotool", "search", *args], capture_output=True,
                          text=True).stdout.split()


class App:
    """One running KelboTime.exe; stopped at the end of a `with` block."""

    def __init__(self, exe):
        self.exe = exe
        self.process = None
        self.buttons = None  # name: centre, from the disc's corner

    def __enter__(self):
        # Not where the last test left it, perhaps over a picture of the disc
        # to come: that would ask for a tip before the test does.
        move_pointer(0, 0)
        self.process = subprocess.Popen([WINE, self.exe], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.window = self.wait_for_window("Kelbo Time")
        return self

    def __exit__(self, *exc):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def visible_windows(self, name):
        # This process's windows only: one of an earlier run may still be closing.
        return search("--all", "--onlyvisible", "--pid", str(self.process.pid), "--name", name)

    def wait_for_window(self, name, timeout=30):
        deadline = time.time() + timeout
        while time.time() < deadline:
            found = self.visible_windows(name)
            if found:
                return found[0]
            time.sleep(0.2)
        raise AssertionError(f"no window named {name!r} within {timeout} s")

    def geometry(self, window=None):
        """(left, top, width, height) of a window in screen pixels. From
        xwininfo: under a window manager that frames windows, xdotool counts
        the frame's offset twice."""
        out = run("xwininfo", "-id", window or self.window)
        values = dict(line.strip().split(": ", 1) for line in out.splitlines() if ": " in line)
        return tuple(int(values[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y",
                                               "Width", "Height"))

    def wake(self):
        """Real input over the disc. In a Wine session that has had no input
        for a minute, the clock starts straight in its idle drift; this
        brings it home, on the next clock tick. Returns when the pointer
        moved."""
        left, top, width, height = self.geometry()
        moved = time.time()
        move_pointer(left + width // 2, top + height // 2)
        home = home_geometry()
        wait_until(lambda: self.geometry() == home, "the disc did not come home", timeout=5)
        return moved

    def button_centre(self, name):
        """The centre of a picture button of the disc, by the name a screen
        reader reads, in pixels from the disc's corner; asked of the program
        once."""
        if self.buttons is None:
            left, top, _, _ = self.geometry()
            self.buttons = {n: (x - left + w // 2, y - top + h // 2)
                            for n, (x, y, w, h) in buttons_on_screen().items()}
        return self.buttons[name]

    def click_button(self, name, button=1):
        """A real click on a picture button of the disc, by its name."""
        x, y = self.button_centre(name)
        left, top, _, _ = self.geometry()
        click(left + x, top + y, button)

    def exited(self, timeout=10):
        try:
            self.process.wait(timeout)
            return True
        except subprocess.TimeoutExpired:
            return False


def pointer():
    out = run("xdotool", "getmouselocation", "--shell")
    values = dict(line.split("=") for line in out.split())
    return int(values["X"]), int(values["Y"])


def move_pointer(x, y):
    # Not `mousemove --sync`: it waits for a motion event that never comes
    # when the pointer is there already.
    run("xdotool", "mousemove", str(x), str(y))
    wait_until(lambda: pointer() == (x, y), "the pointer did not get to %d,%d" % (x, y))


def click(x, y, button=1):
    move_pointer(x, y)
    run("xdotool", "click", str(button))


def screenshot():
    """The whole screen as (width, height, rgb bytes)."""
    data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], check=True,
                          capture_output=True).stdout
    # P6 header: magic, width, height, maxval, each followed by white space.
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:]


def pixel(shot, x, y):
    width, _, rgb = shot
    i = (y * width + x) * 3
    return tuple(rgb[i:i + 3])


def nearest(colour, *candidates):
    return min(candidates, key=lambda c: sum((a - b) ** 2 for a, b in zip(colour, c)))


def save_screenshot(name):
    folder = os.environ.get("KELBO_SHOTS")
    if folder:
        run("import", "-window", "root", os.path.join(folder, name))


def opacity(window):
    """A window's opacity 0..255 as Wine hands it to X, 255 when not set."""
    out = subprocess.run(["xprop", "-id", window, "_NET_WM_WINDOW_OPACITY"],
                         capture_output=True, text=True).stdout
    if "=" not in out:
        return 255
    return round(int(out.split("=")[1]) * 255 / 0xFFFFFFFF)


def keys(*names):
    run("xdotool", "key", "--delay", "100", *names)


def wait_until(condition, what, timeout=5):
    deadline = time.time() + timeout
    while time.time() < deadline:
        if condition():
            return
        time.sleep(0.1)
    assert condition(), what


class _XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_uint8)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]


class ScreenReader:
    """Pixels straight from the X server: one row in well under a
    millisecond, where a screenshot takes tens."""

    def __init__(self):
        self.x = ctypes.CDLL(ctypes.util.find_library("X11"))
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XGetImage.restype = ctypes.POINTER(_XImage)
        self.x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                     ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x.XFree.argtypes = [ctypes.c_void_p]
        self.display = self.x.XOpenDisplay(None)
        assert self.display, "no X display"
        self.root = self.x.XDefaultRootWindow(self.display)

    def row(self, left, top, width):
        """The (r, g, b) pixels of one row of the screen (a 24-bit display)."""
        image = self.x.XGetImage(self.display, self.root, left, top, width, 1, 0xFFFFFFFF, 2)
        data = image.contents.data
        pixels = [(data[i * 4 + 2], data[i * 4 + 1], data[i * 4]) for i in range(width)]
        self.x.XFree(image.contents.data)
        self.x.XFree(image)
        return pixels

    def seconds_shown(self, left, top):
        """The second the bottom row of lamps of a disc at (left, top) shows,
        or None where a lamp is neither lit nor unlit (not painted yet)."""
        pixels = self.row(left, top + px(LAMP_ROW_TOPS["second"] + 127.5), px(6 * 360))
        value = 0
        for column in range(6):
            colour = pixels[px(360 * column + 60 + 127.5)]
            if colour not in (LIT, UNLIT):
                return None
            value = value * 2 + (colour == LIT)
        return value
