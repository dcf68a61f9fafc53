#include "ui/form.h"

#include <windowsx.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>

#include "ui/common_controls.h"
#include "ui/dialog_template.h"
#include "ui/live_forms.h"
#include "ui/screen.h"
#include "ui/system_error.h"
#include "ui/system_library.h"
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
  children_.clear();
  if (!hwnd_) return;
  ReportError(std::logic_error("A form was destroyed with its window open"));
  ::DestroyWindow(hwnd_);
}

namespace {

// The form whose window is being made: its window procedure meets the
// window first in WM_NCCREATE, and a dialog's window gets no creation
// parameter of ours.
Form* formBeingMade = nullptr;

struct BeingMade {
  explicit BeingMade(Form* form) { formBeingMade = form; }
  ~BeingMade() { formBeingMade = nullptr; }
};

constexpr WORD kFirstChildId = 100;

}  // namespace

void Form::CreateForm(const FormOptions& options) {
  RegisterWindowClass(options.className, options.iconResource, &Form::WindowProc,
                      options.dialog ? DLGWINDOWEXTRA : 0);
  dialog_ = options.dialog;
  dialogKeys_ = options.dialogKeys || options.dialog;
  SetBackColor(options.backColor);
  // The child controls in the look asked for, whoever makes them.
  std::optional<CommonControls> look;
  if (options.commonControls) look.emplace();
  {
    const BeingMade making(this);
    if (!(dialog_ ? MakeDialog(options) : MakeWindow(options)))
      ThrowSystemError("Cannot create the window");
  }
  try {
    // Made at the DPI the system named at sign-in, which need not be the one
    // of the monitor the window is on now: then it is sized at that one's,
    // before anything is drawn. A dialog is made at no size at all.
    const int dpi = Screen::WindowDpi(hwnd_);
    const bool rescaled = dpi > 0 && dpi != scale_.Dpi();
    if (rescaled) scale_ = Scale(dpi);
    if (rescaled || dialog_) {
      const PixelRect place = PlaceAtScale(options);
      UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
      if (!options.bounds) flags |= SWP_NOMOVE;  // where the system put it
      ::SetWindowPos(hwnd_, nullptr, place.left, place.top, place.Width(), place.Height(), flags);
    }
    if (dialog_)
      PlaceChildren();
    else
      MakeChildren();
    for (const ChildControl* child : children_)
      if (!child->hWnd()) ThrowSystemError("Cannot create a control");
    SetChildFonts();
    for (ChildControl* child : children_) child->OnMade();
    for (const ChildControl* child : tipped_) tips_.Add(child->hWnd(), child->Layout().text);
  } catch (...) {
    Unload();  // a form is made whole, or not at all
    throw;
  }
  for (std::size_t i = 0; i < timers_.size(); ++i) timers_[i]->Attach(hwnd_, i + 1);
}

HWND Form::MakeWindow(const FormOptions& options) {
  const PixelRect place = PlaceAtScale(options);
  return ::CreateWindowExW(options.exStyle, options.className, options.caption.c_str(),
                           options.style, place.left, place.top, place.Width(), place.Height(),
                           nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

// The dialog manager makes the window, of the form's own class, and every
// child control, in tab order; a control it cannot make fails the whole.
HWND Form::MakeDialog(const FormOptions& options) {
  std::vector<DialogItem> items;
  for (std::size_t i = 0; i < children_.size(); ++i)
    items.push_back({children_[i]->WindowClass(), children_[i]->Layout().text,
                     children_[i]->Style(), static_cast<WORD>(kFirstChildId + i)});
  const std::vector<WORD> layout =
      DialogTemplate(options.className, options.caption, options.style, options.exStyle, items);
  HWND made = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr),
                                           reinterpret_cast<const DLGTEMPLATE*>(layout.data()),
                                           nullptr, nullptr, 0);
  if (!made) return nullptr;
  // The dialog's layout follows the form's twips at every DPI, not the
  // dialog manager's scaling of dialog units (Windows 10 1703 and later).
  using SetBehaviour = BOOL(WINAPI*)(HWND, int, int);
  static const auto setBehaviour =
      FindFunction<SetBehaviour>(::GetModuleHandleW(L"user32.dll"), "SetDialogDpiChangeBehavior");
  constexpr int kDisableAll = 1;  // DDC_DISABLE_ALL
  if (setBehaviour) setBehaviour(made, kDisableAll, kDisableAll);
  for (std::size_t i = 0; i < children_.size(); ++i)
    children_[i]->Attach(this, ::GetDlgItem(made, static_cast<int>(kFirstChildId + i)));
  return made;
}

// In tab order, each in its box: the load moves none of them.
void Form::MakeChildren() {
  for (std::size_t i = 0; i < children_.size(); ++i) {
    ChildControl& child = *children_[i];
    const RECT r = ChildBox(child);
    child.Attach(
        this, ::CreateWindowExW(0, child.WindowClass(), child.Layout().text.c_str(), child.Style(),
                                r.left, r.top, r.right - r.left, r.bottom - r.top, hwnd_,
                                reinterpret_cast<HMENU>(kFirstChildId + i),
                                ::GetModuleHandleW(nullptr), nullptr));
  }
}

RECT Form::ChildBox(const ChildControl& child) const {
  return ToPixels(child.Layout().box, scale_);
}

void Form::PlaceChildren() {
  for (ChildControl* child : children_) {
    const RECT r = ChildBox(*child);
    ::SetWindowPos(child->hWnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Form::SetChildFonts() {
  for (ChildControl* child : children_)
    if (child->Layout().font.face)
      ::SendMessageW(child->hWnd(), WM_SETFONT,
                     reinterpret_cast<WPARAM>(Font(child->Layout().font)), TRUE);
}

ChildControl* Form::ChildFor(HWND window) const {
  if (!window) return nullptr;
  for (ChildControl* child : children_)
    if (child->hWnd() == window) return child;
  return nullptr;
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Form* form = nullptr;
  if (message == WM_NCCREATE && formBeingMade) {
    form = formBeingMade;
    form->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    FormMade(form);
  } else {
    form = reinterpret_cast<Form*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!form) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    const LRESULT result = form->DefaultAnswer(message, wParam, lParam);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    form->Detach();
    return result;
  }
  // Nothing may unwind through the system's code that called us.
  try {
    if (const std::optional<LRESULT> answer = form->HandleMessage(message, wParam, lParam))
      return *answer;
    return form->DefaultAnswer(message, wParam, lParam);
  } catch (const std::exception& error) {
    ReportError(error);
  } catch (...) {
    ReportError(std::runtime_error("An error of unknown kind"));
  }
  return 0;
}

LRESULT Form::DefaultAnswer(UINT message, WPARAM wParam, LPARAM lParam) const {
  return dialog_ ? ::DefDlgProcW(hwnd_, message, wParam, lParam)
                 : ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Form::Detach() {
  hwnd_ = nullptr;
  accessibility_.Disconnect();
  tips_.Clear();
  for (ChildControl* child : children_) child->Detach();
  backBuffer_.Release();
  for (Timer* timer : timers_) timer->Detach();
  FormGone(this);
}

std::optional<LRESULT> Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      if (dialog_) break;  // a dialog is drawn in the system's colours
      return 1;            // WM_PAINT covers everything
    case WM_PAINT:
      if (dialog_) break;
      OnPaintBegins();
      backBuffer_.Paint(hwnd_, [this](HDC dc, const RECT& area) { PaintClient(dc, area); });
      return 0;
    case WM_PRINTCLIENT: {
      if (dialog_) break;
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
    case WM_INITDIALOG:
      return TRUE;  // the first control in the tab order takes the focus
    case WM_COMMAND:
      // Back to the control that raised it; the handler may unload the form.
      if (ChildControl* child = ChildFor(reinterpret_cast<HWND>(lParam)))
        child->OnCommand(HIWORD(wParam));
      else if (lParam == 0)
        OnCommand(LOWORD(wParam));
      return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (ChildControl* child = ChildFor(reinterpret_cast<HWND>(lParam))) child->OnScroll();
      return 0;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (ChildControl* child = ChildFor(item.hwndItem)) {
        child->OnDraw(item);
        return TRUE;
      }
      break;
    }
    case WM_LBUTTONDOWN:
      // A click where no control is takes the keyboard back from them: Tab
      // then starts again at the first, as in a window just activated.
      if (dialogKeys_ && !dialog_) ::SetFocus(hwnd_);
      break;
    case WM_SETCURSOR:
      tips_.PointerOver(hwnd_, reinterpret_cast<HWND>(wParam));
      break;
    case DM_GETDEFID:
      if (!dialog_) return FocusedButtonId();
      break;
    case WM_NEXTDLGCTL:
      // The dialog manager's arrow keys, on a window that is no dialog.
      if (dialog_) break;
      if (HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                     : ::GetNextDlgTabItem(hwnd_, ::GetFocus(), wParam != 0))
        ::SetFocus(next);
      return 0;
    case WM_GETOBJECT:
      if (const LRESULT answer = accessibility_.Answer(hwnd_, wParam, lParam)) return answer;
      break;
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
      break;
    case WM_SETTINGCHANGE:
      Screen::Refresh();
      if (wParam == SPI_SETWORKAREA) OnWorkAreaChange();
      if (wParam == SPI_SETHIGHCONTRAST) OnColoursChange();
      break;
    case WM_SYSCOLORCHANGE:
      OnColoursChange();
      break;
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
      break;
    default:
      if (message >= 0xC000 && message <= 0xFFFF && OnRegisteredMessage(message, wParam, lParam))
        return 0;
      break;
  }
  return std::nullopt;
}

// Enter presses the button that has the focus, as in a dialog; the dialog
// manager asks which (DM_GETDEFID), and a window that is no dialog says.
std::optional<LRESULT> Form::FocusedButtonId() const {
  HWND focus = ::GetFocus();
  if (!ChildFor(focus) || !(::SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
    return std::nullopt;
  return MAKELRESULT(::GetDlgCtrlID(focus), DC_HASDEFID);
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
  for (Control* control : controls_) control->OnDpiChanged();
  // The fonts of the old scale are deleted once no control holds them.
  FontCache oldFonts = std::move(fonts_);
  fonts_ = FontCache();
  PlaceChildren();
  SetChildFonts();
  for (ChildControl* child : children_) child->OnDpiChanged();
  ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void Form::AddControl(Control& control) {
  control.form_ = this;
  controls_.push_back(&control);
}

void Form::AddTimer(Timer& timer) {
  timers_.push_back(&timer);
  if (hwnd_) timer.Attach(hwnd_, timers_.size());
}

void Form::AddChild(ChildControl& control, bool withTip) {
  children_.push_back(&control);
  if (withTip) tipped_.push_back(&control);
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
