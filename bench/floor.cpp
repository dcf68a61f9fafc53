// The floor: the least Win32 code that does the clock's visible job, for the
// benchmark to compare with. A topmost round popup, layered at 225, salmon,
// with 17 GDI circles repainted when they change on a second-aligned timer;
// after a minute without input (or at once with --move) it moves 1 pixel
// diagonally every 10 ms, bouncing off the screen's edges, until input comes,
// and then goes home. Nothing more: the ratios are only as honest as this.
#include <windows.h>

#include <cstring>

namespace {

constexpr int kSide = 178;
constexpr COLORREF kSalmon = RGB(255, 102, 102);
constexpr COLORREF kLit = RGB(128, 128, 255);
constexpr COLORREF kUnlit = RGB(128, 64, 64);
constexpr UINT_PTR kSecondTimer = 1, kMoveTimer = 2;
bool alwaysMove = false;
bool moving = false;
int shown[3] = {-1, -1, -1};
int home[2];
int screen[2];
int step[2] = {-1, -1};
HBRUSH lit, unlit;

RECT LampRect(int row, int column) {  // column 1..6, as the clock lays them out
  const int left = 24 * (column - 1) + 4, top = 24 * (row + 1);
  return {left, top, left + 17, top + 17};
}

void PaintLamps(HDC dc) {
  SYSTEMTIME t;
  ::GetLocalTime(&t);
  const int values[3] = {t.wHour, t.wMinute, t.wSecond};
  HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(BLACK_PEN));
  HGDIOBJ oldBrush = ::GetCurrentObject(dc, OBJ_BRUSH);
  for (int row = 0; row < 3; ++row)
    for (int column = row == 0 ? 2 : 1; column <= 6; ++column) {
      ::SelectObject(dc, values[row] >> (6 - column) & 1 ? lit : unlit);
      const RECT r = LampRect(row, column);
      ::Ellipse(dc, r.left, r.top, r.right, r.bottom);
    }
  ::SelectObject(dc, oldPen);
  ::SelectObject(dc, oldBrush);
}

void Tick(HWND hwnd) {
  SYSTEMTIME t;
  ::GetLocalTime(&t);
  const int values[3] = {t.wHour, t.wMinute, t.wSecond};
  for (int row = 0; row < 3; ++row)
    if (values[row] != shown[row]) {
      shown[row] = values[row];
      const RECT r{0, 24 * (row + 1), kSide, 24 * (row + 1) + 17};
      ::InvalidateRect(hwnd, &r, TRUE);
    }
  ::SetTimer(hwnd, kSecondTimer, 1000 - t.wMilliseconds + 2, nullptr);
  LASTINPUTINFO input{sizeof input, 0};
  ::GetLastInputInfo(&input);
  const bool idle = alwaysMove || ::GetTickCount() - input.dwTime > 60'500;
  if (idle && !moving) {
    ::SetTimer(hwnd, kMoveTimer, 10, nullptr);
  } else if (!idle && moving) {
    ::KillTimer(hwnd, kMoveTimer);
    ::SetWindowPos(hwnd, nullptr, home[0], home[1], 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  moving = idle;
}

void Step(HWND hwnd) {
  RECT r;
  ::GetWindowRect(hwnd, &r);
  if (r.left + step[0] < 0 || r.right + step[0] > screen[0]) step[0] = -step[0];
  if (r.top + step[1] < 0 || r.bottom + step[1] > screen[1]) step[1] = -step[1];
  ::SetWindowPos(hwnd, nullptr, r.left + step[0], r.top + step[1], 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kSecondTimer) {
        Tick(hwnd);
      } else {
        Step(hwnd);
      }
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(hwnd, &ps);
      PaintLamps(dc);
      ::EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  alwaysMove = std::strstr(commandLine, "--move") != nullptr;
  lit = ::CreateSolidBrush(kLit);
  unlit = ::CreateSolidBrush(kUnlit);
  WNDCLASSW wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hbrBackground = ::CreateSolidBrush(kSalmon);
  wc.lpszClassName = L"FloorClock";
  ::RegisterClassW(&wc);
  screen[0] = ::GetSystemMetrics(SM_CXSCREEN);
  screen[1] = ::GetSystemMetrics(SM_CYSCREEN);
  home[0] = screen[0] - kSide;
  home[1] = screen[1] - kSide - 33;
  HWND hwnd =
      ::CreateWindowExW(WS_EX_LAYERED | WS_EX_TOPMOST, L"FloorClock", L"Floor Clock", WS_POPUP,
                        home[0], home[1], kSide, kSide, nullptr, nullptr, instance, nullptr);
  ::SetWindowRgn(hwnd, ::CreateEllipticRgn(2, 2, kSide - 2, kSide - 2), TRUE);
  ::SetLayeredWindowAttributes(hwnd, 0, 225, LWA_ALPHA);
  Tick(hwnd);
  ::ShowWindow(hwnd, SW_SHOW);
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
  return 0;
}
