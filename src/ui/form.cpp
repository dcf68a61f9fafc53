#include "ui/form.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>

#include "ui/common_controls.h"
#include "ui/screen.h"
#include "ui/twips.h"

namespace kelbo {

namespace {

std::vector<Form*>& LiveForms() {
  static std::vector<Form*> forms;
  return forms;
}
bool quitWhenLastFormCloses = false;
std::function<void(const std::exception&)> errorHandler;

[[noreturn]] void ThrowSystemError(const char* what) {
  throw std::runtime_error(std::string(what) + " (system error " +
                           std::to_string(::GetLastError()) + ")");
}

// Shared icons belong to the system and are never destroyed by us.
HICON SharedIcon(HINSTANCE instance, int resource, int sizeMetric) {
  if (resource == 0) return nullptr;
  const int size = ::GetSystemMetrics(sizeMetric);
  return static_cast<HICON>(
      ::LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_ICON, size, size, LR_SHARED));
}

void RegisterFormClass(const FormOptions& options, int iconResource, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  if (::GetClassInfoExW(instance, options.className, &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = options.className;
  wc.hIcon = SharedIcon(instance, iconResource, SM_CXICON);
  wc.hIconSm = SharedIcon(instance, iconResource, SM_CXSMICON);
  if (!::RegisterClassExW(&wc)) ThrowSystemError("Cannot register the window class");
}

}  // namespace

Form::~Form() {
  // The derived form's controls and timers are gone already.
  controls_.clear();
  timers_.clear();
  if (hwnd_) ::DestroyWindow(hwnd_);
}

void Form::CreateForm(const FormOptions& options) {
  RegisterFormClass(options, options.iconResource, &Form::WindowProc);
  dialogKeys_ = options.dialogKeys;
  commonControls_ = options.commonControls;
  SetBackColor(options.backColor);
  RECT r{0, 0, Screen::ToPixelsX(options.clientSize.width),
         Screen::ToPixelsY(options.clientSize.height)};
  ::AdjustWindowRectEx(&r, options.style, FALSE, options.exStyle);
  if (!::CreateWindowExW(options.exStyle, options.className, options.caption.c_str(), options.style,
                         CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, nullptr,
                         nullptr, ::GetModuleHandleW(nullptr), this))
    ThrowSystemError("Cannot create the window");
  for (std::size_t i = 0; i < timers_.size(); ++i) timers_[i]->Attach(hwnd_, i + 1);
}

// CreateWindowEx's last argument is the form; WM_NCCREATE stores it with the
// window and WM_NCDESTROY takes it away again.
LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Form* form = nullptr;
  if (message == WM_NCCREATE) {
    form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    LiveForms().push_back(form);
  } else {
    form = reinterpret_cast<Form*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!form) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    const LRESULT result = ::DefWindowProcW(hwnd, message, wParam, lParam);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    form->Detach();
    return result;
  }
  // Nothing may unwind through the system's code that called us.
  try {
    return form->HandleMessage(message, wParam, lParam);
  } catch (const std::exception& error) {
    ReportError(error);
  } catch (...) {
    ReportError(std::runtime_error("An error of unknown kind"));
  }
  return 0;
}

void Form::ReportError(const std::exception& error) noexcept {
  try {
    if (errorHandler) errorHandler(error);
  } catch (...) {
    // The report itself failed: there is nobody left to tell.
  }
}

void Form::Detach() {
  hwnd_ = nullptr;
  tooltip_.reset();
  tips_.clear();
  pressed_ = nullptr;
  focus_ = nullptr;
  for (Timer* timer : timers_) timer->Detach();
  commandHandlers_.clear();
  scrollHandlers_.clear();
  auto& forms = LiveForms();
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
  if (forms.empty() && quitWhenLastFormCloses) ::PostQuitMessage(0);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DISPLAYCHANGE || message == WM_SETTINGCHANGE || message == WM_DPICHANGED)
    Screen::Refresh();  // before any handler converts twips with the old figures
  // Client mouse messages only: WM_MOUSEWHEEL's point is the screen's.
  if (!tips_.empty() && message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK)
    RelayToTooltip(message, wParam, lParam);
  LRESULT result = 0;
  if (OnMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers everything
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_PRINTCLIENT: {
      RECT client;
      ::GetClientRect(hwnd_, &client);
      PaintClient(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_TIMER:
      for (Timer* timer : timers_)
        if (timer->id_ == wParam && timer->Enabled()) {
          timer->Tick();
          break;
        }
      return 0;
    case WM_LBUTTONDOWN: {
      pressed_ =
          ClickableAt({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
      if (pressed_) ::SetCapture(hwnd_);
      return 0;
    }
    case WM_LBUTTONUP: {
      Control* pressed = pressed_;
      pressed_ = nullptr;
      if (::GetCapture() == hwnd_) ::ReleaseCapture();
      const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      // The click may unload this form: it is the last thing done here.
      if (pressed && ClickableAt(at) == pressed) pressed->Click();
      return 0;
    }
    case WM_CAPTURECHANGED:
      pressed_ = nullptr;
      return 0;
    case WM_COMMAND: {
      auto it = commandHandlers_.find(reinterpret_cast<HWND>(lParam));
      if (it != commandHandlers_.end()) {
        auto handler = it->second;  // the handler may unload the form
        handler(HIWORD(wParam));
      }
      return 0;
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
      auto it = scrollHandlers_.find(reinterpret_cast<HWND>(lParam));
      if (it != scrollHandlers_.end()) {
        auto handler = it->second;
        handler();
      }
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      // Check boxes and sliders stand on the form's own colour.
      ::SetBkColor(reinterpret_cast<HDC>(wParam), backColor_);
      return reinterpret_cast<LRESULT>(backBrush_.get());
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_ACTIVATE:
      if (dialogKeys_) {
        // Like a dialog: the focus comes back to where it was.
        if (LOWORD(wParam) == WA_INACTIVE) {
          HWND focus = ::GetFocus();
          if (focus && ::IsChild(hwnd_, focus)) focus_ = focus;
        } else if (focus_ && ::IsWindow(focus_)) {
          ::SetFocus(focus_);
          return 0;
        }
      }
      return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    default:
      return ::DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

bool Form::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
  return false;
}

void Form::OnPaint() {
  PaintDc paint(hwnd_);
  const RECT& area = paint.area();
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  // Draw into a back buffer the size of the damaged area, then copy it once.
  UniqueMemoryDc buffer(::CreateCompatibleDC(paint.dc()));
  UniqueBitmap bitmap(::CreateCompatibleBitmap(paint.dc(), width, height));
  {
    ScopedSelect select(buffer.get(), bitmap.get());
    ::SetViewportOrgEx(buffer.get(), -area.left, -area.top, nullptr);
    PaintClient(buffer.get(), area);
    ::SetViewportOrgEx(buffer.get(), 0, 0, nullptr);
    ::BitBlt(paint.dc(), area.left, area.top, width, height, buffer.get(), 0, 0, SRCCOPY);
  }
}

void Form::PaintClient(HDC dc, const RECT& area) const {
  ::FillRect(dc, &area, backBrush_.get());
  for (const Control* control : controls_) {
    const RECT r = control->PixelRect();
    RECT overlap;
    if (::IntersectRect(&overlap, &r, &area)) control->Paint(dc);
  }
}

void Form::Invalidate(const RECT& pixels) {
  if (hwnd_) ::InvalidateRect(hwnd_, &pixels, FALSE);
}

Control* Form::ClickableAt(POINT pixel) const {
  for (Control* control : controls_) {
    const RECT r = control->PixelRect();
    if (control->Clickable() && ::PtInRect(&r, pixel)) return control;
  }
  return nullptr;
}

void Form::AddControl(Control& control) {
  control.form_ = this;
  controls_.push_back(&control);
}

void Form::AddTimer(Timer& timer) {
  timers_.push_back(&timer);
  if (hwnd_) timer.Attach(hwnd_, timers_.size());
}

void Form::AddTooltip(const Control& control, const std::wstring& text) {
  tips_.emplace_back(&control, text);
}

void Form::MakeTooltip() {
  const CommonControls tooltips;
  tooltip_.reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr));
  for (const auto& [control, text] : tips_) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    // No TTF_SUBCLASS: a subclassed window pays a property lookup in the
    // window system on every message it gets, the drift's moves included.
    // The form relays its mouse messages itself.
    tool.uFlags = 0;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.rect = control->PixelRect();
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    ::SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void Form::RelayToTooltip(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!tooltip_) {
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const bool overATip = std::any_of(tips_.begin(), tips_.end(), [&](const auto& tip) {
      const RECT r = tip.first->PixelRect();
      return ::PtInRect(&r, at) != FALSE;
    });
    if (!overATip) return;
    MakeTooltip();
  }
  MSG relayed{hwnd_, message, wParam, lParam, 0, {}};
  ::SendMessageW(tooltip_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

HFONT Form::Font(const FontStyle& wanted) {
  for (const auto& [known, font] : fonts_)
    if (known == wanted) return font.get();
  UniqueFont font(::CreateFontW(-PointsToPixels(wanted.points, Screen::Dpi()), 0, 0, 0,
                                wanted.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, wanted.face));
  HFONT handle = font.get();
  fonts_.emplace_back(wanted, std::move(font));
  return handle;
}

HWND Form::CreateChild(const wchar_t* windowClass, const ChildLayout& layout, DWORD style) {
  const RECT r = ToPixels(layout.box);
  std::optional<CommonControls> look;
  if (commonControls_) look.emplace();
  HWND child = ::CreateWindowExW(0, windowClass, layout.text.c_str(),
                                 WS_CHILD | WS_VISIBLE | (layout.tabStop ? WS_TABSTOP : 0) | style,
                                 r.left, r.top, r.right - r.left, r.bottom - r.top, hwnd_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextChildId_++)),
                                 ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(Font(layout.font)), FALSE);
  return child;
}

void Form::OnCommand(HWND child, std::function<void(WORD)> handler) {
  commandHandlers_[child] = std::move(handler);
}

void Form::OnScroll(HWND child, std::function<void()> handler) {
  scrollHandlers_[child] = std::move(handler);
}

const Control* Form::FindControl(std::string_view name) const {
  for (const Control* control : controls_)
    if (control->name() == name) return control;
  return nullptr;
}

RECT Form::WindowRect() const {
  RECT r{};
  ::GetWindowRect(hwnd_, &r);
  return r;
}

Form::Bounds Form::OuterBounds() const {
  const RECT r = WindowRect();
  const double x = Screen::TwipsPerPixelX(), y = Screen::TwipsPerPixelY();
  return {static_cast<float>(r.left * x), static_cast<float>(r.top * y),
          static_cast<float>((r.right - r.left) * x), static_cast<float>((r.bottom - r.top) * y)};
}

float Form::Left() const {
  return static_cast<float>(WindowRect().left * Screen::TwipsPerPixelX());
}
float Form::Top() const {
  return static_cast<float>(WindowRect().top * Screen::TwipsPerPixelY());
}
float Form::Width() const {
  const RECT r = WindowRect();
  return static_cast<float>((r.right - r.left) * Screen::TwipsPerPixelX());
}
float Form::Height() const {
  const RECT r = WindowRect();
  return static_cast<float>((r.bottom - r.top) * Screen::TwipsPerPixelY());
}

void Form::MoveToPixels(int x, int y) {
  ::SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
void Form::ResizeTo(int width, int height) {
  ::SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetLeft(float twips) {
  MoveToPixels(Screen::ToPixelsX(twips), WindowRect().top);
}
void Form::SetTop(float twips) {
  MoveToPixels(WindowRect().left, Screen::ToPixelsY(twips));
}
void Form::MoveTo(float leftTwips, float topTwips) {
  MoveToPixels(Screen::ToPixelsX(leftTwips), Screen::ToPixelsY(topTwips));
}
void Form::SetWidth(float twips) {
  const RECT r = WindowRect();
  ResizeTo(Screen::ToPixelsX(twips), r.bottom - r.top);
}
void Form::SetHeight(float twips) {
  const RECT r = WindowRect();
  ResizeTo(r.right - r.left, Screen::ToPixelsY(twips));
}

bool Form::Visible() const {
  return hwnd_ && ::IsWindowVisible(hwnd_);
}
void Form::SetVisible(bool visible) {
  if (hwnd_) ::ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}
void Form::Show() {
  if (!hwnd_) return;
  ::ShowWindow(hwnd_, SW_SHOW);
  ::SetForegroundWindow(hwnd_);
}
void Form::Unload() {
  if (hwnd_) ::DestroyWindow(hwnd_);
}

void Form::SetBackColor(COLORREF colour) {
  if (backBrush_ && colour == backColor_) return;
  backColor_ = colour;
  backBrush_.reset(::CreateSolidBrush(colour));
  if (hwnd_) ::InvalidateRect(hwnd_, nullptr, FALSE);
}

int Form::OpenForms() {
  return static_cast<int>(LiveForms().size());
}
void Form::SetQuitWhenLastFormCloses(bool quit) {
  quitWhenLastFormCloses = quit;
}
void Form::SetErrorHandler(std::function<void(const std::exception&)> handler) {
  errorHandler = std::move(handler);
}

bool Form::PreTranslateMessage(MSG& message) {
  // Dialog navigation is all keys; the timers' and the pointer's messages
  // need not pay for the lookup.
  if (!message.hwnd || message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  HWND root = ::GetAncestor(message.hwnd, GA_ROOT);
  for (Form* form : LiveForms())
    if (form->hwnd_ == root && form->dialogKeys_) return ::IsDialogMessageW(root, &message);
  return false;
}

}  // namespace kelbo
