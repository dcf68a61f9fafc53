#include "ui/form.h"

#include <windowsx.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>

#include "ui/live_forms.h"
#include "ui/screen.h"
#include "ui/system_error.h"
#include "ui/window_class.h"

namespace kelbo {

namespace {

std::function<void(const std::exception&)> errorHandler;

}  // namespace

void Form::ReportError(const std::exception& error) noexcept {
  try {
    if (errorHandler) errorHandler(error);
  } catch (...) {
    // The report itself failed: there is nobody left to tell.
  }
}

int Form::OpenFormsForTesting() {
  return static_cast<int>(LiveForms().size());
}
void Form::SetQuitWhenLastFormCloses(bool quit) {
  QuitWhenLastFormCloses(quit);
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

Form::Form() : scale_(Screen::Dpi()) {}

Form::~Form() {
  // The derived form's controls and timers are gone already.
  controls_.clear();
  timers_.clear();
  if (!hwnd_) return;
  ReportError(std::logic_error("A form was destroyed with its window open"));
  ::DestroyWindow(hwnd_);
}

void Form::CreateForm(const FormOptions& options) {
  RegisterWindowClass(options.className, options.iconResource, &Form::WindowProc);
  dialogKeys_ = options.dialogKeys;
  commonControls_ = options.commonControls;
  SetBackColor(options.backColor);
  const PixelRect place = PlaceAtScale(options);
  if (!::CreateWindowExW(options.exStyle, options.className, options.caption.c_str(), options.style,
                         place.left, place.top, place.Width(), place.Height(), nullptr, nullptr,
                         ::GetModuleHandleW(nullptr), this))
    ThrowSystemError("Cannot create the window");
  // Made at the DPI the system named at sign-in, which need not be the one
  // of the monitor the window is on now: then it is made again at that one's
  // size, before anything is drawn or any child made.
  if (const int dpi = Screen::WindowDpi(hwnd_); dpi > 0 && dpi != scale_.Dpi()) {
    scale_ = Scale(dpi);
    const PixelRect rescaled = PlaceAtScale(options);
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!options.bounds) flags |= SWP_NOMOVE;  // where the system put it
    ::SetWindowPos(hwnd_, nullptr, rescaled.left, rescaled.top, rescaled.Width(), rescaled.Height(),
                   flags);
  }
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
    FormMade(form);
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

void Form::Detach() {
  hwnd_ = nullptr;
  accessibility_.Disconnect();
  tips_.Clear();
  children_.Clear();
  backBuffer_.Release();
  pressed_ = nullptr;
  for (Timer* timer : timers_) timer->Detach();
  FormGone(this);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // Client mouse messages only: WM_MOUSEWHEEL's point is the screen's.
  if (message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK)
    tips_.Relay(hwnd_, message, wParam, lParam);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers everything
    case WM_PAINT:
      OnPaintBegins();
      backBuffer_.Paint(hwnd_, [this](HDC dc, const RECT& area) { PaintClient(dc, area); });
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
    case WM_LBUTTONDOWN:
      pressed_ = ClickableAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      if (pressed_) ::SetCapture(hwnd_);
      return 0;
    case WM_LBUTTONUP: {
      Control* pressed = pressed_;
      pressed_ = nullptr;
      if (::GetCapture() == hwnd_) ::ReleaseCapture();
      // The click may unload this form: it is the last thing done here.
      if (pressed && ClickableAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) == pressed)
        pressed->Click();
      return 0;
    }
    case WM_CAPTURECHANGED:
      pressed_ = nullptr;
      return 0;
    case WM_COMMAND:
      // Esc, as IsDialogMessage tells it when no button is Esc's.
      if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
        OnCancel();
        return 0;
      }
      children_.Route(message, wParam, lParam);
      return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
      children_.Route(message, wParam, lParam);
      return 0;
    case DM_GETDEFID:
      if (HWND button = DefaultButton()) return MAKELRESULT(::GetDlgCtrlID(button), DC_HASDEFID);
      return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      // Check boxes and sliders stand on the form's own colour.
      ::SetBkColor(reinterpret_cast<HDC>(wParam), backColor_);
      return reinterpret_cast<LRESULT>(backBrush_.get());
    case WM_GETOBJECT:
      if (const LRESULT answer = accessibility_.Answer(hwnd_, wParam, lParam, tips_.Entries()))
        return answer;
      return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    case Accessibility::kPressMessage:
      PressTipped(static_cast<std::size_t>(wParam));
      return 0;
    case kTrayMessage:
      OnTrayNotification(static_cast<std::uint32_t>(lParam));
      return 0;
    case WM_DPICHANGED: {
      const int dpi = LOWORD(wParam);  // the same as HIWORD: one DPI for both axes
      RescaleTo(dpi);
      OnDpiChanged(dpi, *reinterpret_cast<const RECT*>(lParam));
      return 0;
    }
    case WM_DISPLAYCHANGE:
      // Before any handler converts twips with the old figures.
      Screen::Refresh();
      OnDisplayChange();
      return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    case WM_SETTINGCHANGE:
      Screen::Refresh();
      if (wParam == SPI_SETWORKAREA) OnWorkAreaChange();
      return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    case WM_TIMECHANGE:
      OnTimeChange();
      return 0;
    case WM_POWERBROADCAST:
      if (wParam == PBT_APMRESUMEAUTOMATIC) OnResume();
      return TRUE;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_ACTIVATE:
      if (dialogKeys_ && children_.KeepFocus(hwnd_, wParam)) return 0;
      return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    default:
      if (message >= 0xC000 && message <= 0xFFFF && OnRegisteredMessage(message, wParam, lParam))
        return 0;
      return ::DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

void Form::OnDpiChanged(int, const RECT& suggested) {
  // Where the system suggests, at the size it worked out for the new DPI.
  ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::PaintClient(HDC dc, const RECT& area) const {
  ::FillRect(dc, &area, backBrush_.get());
  for (const Control* control : controls_) {
    const RECT r = control->PixelRect();
    RECT overlap;
    if (::IntersectRect(&overlap, &r, &area)) control->Paint(dc);
  }
}

PixelRect Form::PlaceAtScale(const FormOptions& options) const {
  if (options.bounds) {
    PixelRect place;
    PlaceInTwips(place, scale_, options.bounds->left, options.bounds->top);
    SizeInTwips(place, scale_, options.bounds->width, options.bounds->height);
    return place;
  }
  // Where the system puts it, at the designed client size.
  RECT r{0, 0, scale_.ToPixelsX(options.clientSize.width),
         scale_.ToPixelsY(options.clientSize.height)};
  ::AdjustWindowRectEx(&r, options.style, FALSE, options.exStyle);
  return {.left = CW_USEDEFAULT,
          .top = CW_USEDEFAULT,
          .right = CW_USEDEFAULT + (r.right - r.left),
          .bottom = CW_USEDEFAULT + (r.bottom - r.top)};
}

void Form::RescaleTo(int dpi) {
  scale_ = Scale(dpi);
  fonts_.Clear();
  for (Control* control : controls_) control->OnDpiChanged();
  tips_.Relayout(hwnd_);
  children_.Relayout(scale_, [this](const FontStyle& style) { return Font(style); });
  ::InvalidateRect(hwnd_, nullptr, FALSE);
}

Control* Form::ClickableAt(POINT pixel) const {
  for (Control* control : controls_) {
    const RECT r = control->PixelRect();
    if (control->Clickable() && ::PtInRect(&r, pixel)) return control;
  }
  return nullptr;
}

void Form::PressTipped(std::size_t index) {
  const std::vector<AccessibleButton> buttons = Accessibility::Buttons(tips_.Entries());
  for (Control* control : controls_)
    if (index < buttons.size() && control == buttons[index].control)
      return control->Click();  // may unload the form
}

void Form::AddControl(Control& control) {
  control.form_ = this;
  controls_.push_back(&control);
}

void Form::AddTimer(Timer& timer) {
  timers_.push_back(&timer);
  if (hwnd_) timer.Attach(hwnd_, timers_.size());
}

HWND Form::CreateChild(const wchar_t* windowClass, const ChildLayout& layout, DWORD style) {
  return children_.Create(hwnd_, scale_, windowClass, layout, style, Font(layout.font),
                          commonControls_);
}

void Form::Show() {
  if (!hwnd_) return;
  ::ShowWindow(hwnd_, SW_SHOW);
  // A modal dialog the form owns (the prompt) stays in front of it, with the
  // keyboard: the form is disabled until that dialog closes.
  ::SetForegroundWindow(::GetLastActivePopup(hwnd_));
}

void Form::SetBackColor(COLORREF colour) {
  if (backBrush_ && colour == backColor_) return;
  backColor_ = colour;
  backBrush_.reset(::CreateSolidBrush(colour));
  if (hwnd_) ::InvalidateRect(hwnd_, nullptr, FALSE);
}

}  // namespace kelbo
