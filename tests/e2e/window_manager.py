"""A user's desktop on the test display: openbox as the window manager and
a panel along the bottom edge, which reserves its strip of the screen the
way a taskbar does (a dock window with a strut), so that the window manager
publishes the work area above it."""

import ctypes
import ctypes.util
import subprocess
import time

from desktop import run, wait_until

XA_ATOM, XA_CARDINAL, PROP_MODE_REPLACE = 4, 6, 0


class _Panel:
    """A dock window of `height` pixels along the bottom of the screen."""

    def __init__(self, screen_width, screen_height, height):
        x = self.x = ctypes.CDLL(ctypes.util.find_library("X11"))
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XCreateSimpleWindow.restype = ctypes.c_ulong
        x.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                          ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                                          ctypes.c_uint, ctypes.c_ulong, ctypes.c_ulong]
        x.XInternAtom.restype = ctypes.c_ulong
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x.XChangeProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong,
                                      ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                      ctypes.c_void_p, ctypes.c_int]
        for name in ("XMapWindow", "XDestroyWindow"):
            getattr(x, name).argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        for name in ("XSync",):
            getattr(x, name).argtypes = [ctypes.c_void_p, ctypes.c_int]
        x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.display = x.XOpenDisplay(None)
        assert self.display, "no X display"
        root = x.XDefaultRootWindow(self.display)
        self.window = x.XCreateSimpleWindow(self.display, root, 0, screen_height - height,
                                            screen_width, height, 0, 0, 0x303030)
        dock = x.XInternAtom(self.display, b"_NET_WM_WINDOW_TYPE_DOCK", 0)
        self._set(b"_NET_WM_WINDOW_TYPE", XA_ATOM, [dock])
        # left, right, top, bottom, then the start and end of each edge's strip
        self._set(b"_NET_WM_STRUT_PARTIAL", XA_CARDINAL,
                  [0, 0, 0, height, 0, 0, 0, 0, 0, 0, 0, screen_width - 1])
        self._set(b"_NET_WM_STRUT", XA_CARDINAL, [0, 0, 0, height])
        x.XMapWindow(self.display, self.window)
        x.XSync(self.display, 0)

    def _set(self, name, kind, values):
        data = (ctypes.c_long * len(values))(*values)  # format 32 travels as C longs
        self.x.XChangeProperty(self.display, self.window,
                               self.x.XInternAtom(self.display, name, 0), kind, 32,
                               PROP_MODE_REPLACE, data, len(values))

    def close(self):
        self.x.XDestroyWindow(self.display, self.window)
        self.x.XCloseDisplay(self.display)


def root_property(name):
    """A root window property's value as xprop prints it, None when unset.
    ("NAME(TYPE) = value", or "NAME(WINDOW): window id # 0x...")."""
    out = subprocess.run(["xprop", "-root", name], capture_output=True, text=True).stdout
    for separator in (" = ", ": "):
        if separator in out:
            return out.split(separator, 1)[1].strip()
    return None


class UserDesktop:
    """openbox and a bottom panel for a `with` block; both gone after it.
    The window manager is this block's own process, ended by its pid."""

    def __init__(self, panel_height):
        self.panel_height = panel_height

    def __enter__(self):
        width, height = (int(v) for v in run("xdotool", "getdisplaygeometry").split())
        self.openbox = subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        wait_until(lambda: root_property("_NET_SUPPORTING_WM_CHECK"), "openbox did not start")
        self.panel = _Panel(width, height, self.panel_height)
        work_area = f"0, 0, {width}, {height - self.panel_height}"
        wait_until(lambda: (root_property("_NET_WORKAREA") or "").startswith(work_area),
                   f"the work area is not above the panel: {root_property('_NET_WORKAREA')}")
        return self

    def __exit__(self, *exc):
        self.panel.close()
        self.openbox.terminate()
        try:
            self.openbox.wait(10)
        except subprocess.TimeoutExpired:
            self.openbox.kill()
            self.openbox.wait()
        # What the window manager left on the root window is not the next
        # test's: it has no window manager.
        for name in ("_NET_WORKAREA", "_NET_SUPPORTING_WM_CHECK"):
            subprocess.run(["xprop", "-root", "-remove", name], capture_output=True)
        time.sleep(0.2)
