"""Windows and pointer of the X display, read and moved through Xlib in the
measuring process itself: a read costs a round trip to the X server, not a
new process, and a new window is waited for, not polled for."""

import ctypes
import ctypes.util
import select
import time

_Window = ctypes.c_ulong
_Atom = ctypes.c_ulong


class _Attributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
                ("visual", ctypes.c_void_p), ("root", _Window), ("class_", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


_SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
_MAP_NOTIFY = 19


class _MapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", _Window), ("window", _Window),
                ("override_redirect", ctypes.c_int)]


class _Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("map", _MapEvent), ("pad", ctypes.c_long * 24)]


class XWindows:
    def __init__(self, x, display):
        """`x` is libX11 loaded through ctypes, `display` an open display."""
        self.x, self.display = x, display
        x.XDefaultRootWindow.restype = _Window
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.root = x.XDefaultRootWindow(display)
        x.XInternAtom.restype = _Atom
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        self.pid_atom = x.XInternAtom(display, b"_NET_WM_PID", 0)
        x.XGetWindowProperty.argtypes = [
            ctypes.c_void_p, _Window, _Atom, ctypes.c_long, ctypes.c_long, ctypes.c_int, _Atom,
            ctypes.POINTER(_Atom), ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
            ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ubyte))]
        x.XFetchName.argtypes = [ctypes.c_void_p, _Window, ctypes.POINTER(ctypes.c_char_p)]
        x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, _Window, ctypes.POINTER(_Attributes)]
        x.XFree.argtypes = [ctypes.c_void_p]
        x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x.XSelectInput.argtypes = [ctypes.c_void_p, _Window, ctypes.c_long]
        x.XPending.argtypes = [ctypes.c_void_p]
        x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(_Event)]
        x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        self.xtest = ctypes.CDLL(ctypes.util.find_library("Xtst"))
        self.xtest.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                                    ctypes.c_int, ctypes.c_ulong]

    def _pid(self, window):
        kind, size, count, after = _Atom(), ctypes.c_int(), ctypes.c_ulong(), ctypes.c_ulong()
        data = ctypes.POINTER(ctypes.c_ubyte)()
        if self.x.XGetWindowProperty(self.display, window, self.pid_atom, 0, 1, 0, 0,
                                     ctypes.byref(kind), ctypes.byref(size), ctypes.byref(count),
                                     ctypes.byref(after), ctypes.byref(data)) != 0 or not data:
            return None
        pid = ctypes.cast(data, ctypes.POINTER(ctypes.c_ulong))[0] if count.value else None
        self.x.XFree(data)
        return pid

    def _name(self, window):
        name = ctypes.c_char_p()
        if not self.x.XFetchName(self.display, window, ctypes.byref(name)) or not name.value:
            return None
        value = name.value.decode(errors="replace")
        self.x.XFree(name)
        return value

    def watch_maps(self, on):
        """Starts or stops the reports of top-level windows being shown, on
        which `wait_for_map` waits."""
        self.x.XSelectInput(self.display, self.root, _SUBSTRUCTURE_NOTIFY_MASK if on else 0)
        self.x.XSync(self.display, 0)
        if not on:
            event = _Event()
            while self.x.XPending(self.display):
                self.x.XNextEvent(self.display, ctypes.byref(event))

    def wait_for_map(self, pid, title, deadline):
        """The top-level window of process `pid` named `title` (spaces around
        the name aside) once it is shown, or None at `deadline` (time.time()).
        It sleeps until the X server reports a window shown: a poll of the
        window tree every few milliseconds would take processor time from the
        program that is starting."""
        event = _Event()
        fd = self.x.XConnectionNumber(self.display)
        while True:
            while self.x.XPending(self.display):
                self.x.XNextEvent(self.display, ctypes.byref(event))
                if event.type != _MAP_NOTIFY:
                    continue
                window = event.map.window
                if self._pid(window) == pid and (self._name(window) or "").strip() == title:
                    return window
            left = deadline - time.time()
            if left <= 0:
                return None
            select.select([fd], [], [], left)

    def corner(self, window):
        """The window's top-left corner on the screen."""
        attributes = _Attributes()
        self.x.XGetWindowAttributes(self.display, window, ctypes.byref(attributes))
        return attributes.x, attributes.y

    def move_pointer(self, x, y):
        """Real input, as a user's mouse gives it."""
        self.xtest.XTestFakeMotionEvent(self.display, -1, x, y, 0)
        self.x.XSync(self.display, 0)
