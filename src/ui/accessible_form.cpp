#include "ui/accessible_form.h"

#include <oleacc.h>

#include <new>

#include "ui/control.h"
#include "ui/system_library.h"

namespace kelbo {

namespace {

// COM, OLE automation and the accessibility library, loaded when a client
// first asks: a clock nobody reads this way never loads them.
struct Libraries {
  decltype(&::CoInitializeEx) coInitialize = nullptr;
  decltype(&::SysAllocString) allocString = nullptr;
  decltype(&::LresultFromObject) lresultFromObject = nullptr;
  decltype(&::CreateStdAccessibleObject) standardObject = nullptr;
};

template <typename Function>
void Find(Function& function, const wchar_t* library, const char* name) {
  function = FindFunction<Function>(LoadSystemLibrary(library), name);
}

const Libraries* Loaded() {
  static const Libraries* libraries = []() -> const Libraries* {
    static Libraries l;
    Find(l.coInitialize, L"ole32.dll", "CoInitializeEx");
    Find(l.allocString, L"oleaut32.dll", "SysAllocString");
    Find(l.lresultFromObject, L"oleacc.dll", "LresultFromObject");
    Find(l.standardObject, L"oleacc.dll", "CreateStdAccessibleObject");
    if (!l.coInitialize || !l.allocString || !l.lresultFromObject || !l.standardObject)
      return nullptr;
    // The window's thread becomes a COM apartment, for the clients' calls.
    const HRESULT started = l.coInitialize(nullptr, COINIT_APARTMENTTHREADED);
    return SUCCEEDED(started) || started == RPC_E_CHANGED_MODE ? &l : nullptr;
  }();
  return libraries;
}

// VariantInit without OLE automation's library.
void Clear(VARIANT* variant) {
  variant->vt = VT_EMPTY;
}

}  // namespace

class AccessibleForm final : public IAccessible {
 public:
  AccessibleForm(HWND window, const AccessibleDescription& description,
                 std::vector<AccessibleButton> buttons)
      : window_(window), description_(description), buttons_(std::move(buttons)) {}

  void Disconnect() {
    window_ = nullptr;
    buttons_.clear();
  }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IDispatch && iid != IID_IAccessible) return E_NOINTERFACE;
    *out = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    return static_cast<ULONG>(::InterlockedIncrement(&references_));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    const auto left = static_cast<ULONG>(::InterlockedDecrement(&references_));
    if (left == 0) delete this;
    return left;
  }

  // IDispatch: clients of this object call IAccessible directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    if (!window_) return RPC_E_DISCONNECTED;
    return Loaded()->standardObject(window_, OBJID_WINDOW, IID_IDispatch,
                                    reinterpret_cast<void**>(parent));
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (!count) return E_POINTER;
    if (!window_) return RPC_E_DISCONNECTED;
    *count = static_cast<long>(buttons_.size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!window_) return RPC_E_DISCONNECTED;
    return ChildIndex(child) > 0 ? S_FALSE : E_INVALIDARG;  // the buttons are simple elements
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!name) return E_POINTER;
    *name = nullptr;
    const long index = ChildIndex(child);
    if (index < 0) return window_ ? E_INVALIDARG : RPC_E_DISCONNECTED;
    return Text(index == 0 ? description_.name : buttons_[Button(index)].name, name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    if (!value) return E_POINTER;
    *value = nullptr;
    const long index = ChildIndex(child);
    if (index < 0) return window_ ? E_INVALIDARG : RPC_E_DISCONNECTED;
    if (index > 0 || !description_.value) return S_FALSE;
    try {
      return Text(description_.value(), value);
    } catch (...) {
      return E_FAIL;
    }
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return Nothing(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return Number(child, role, [this](long index) {
      return index == 0 ? description_.role : ROLE_SYSTEM_PUSHBUTTON;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return Number(child, state, [this](long) {
      return ::IsWindowVisible(window_) ? 0L : static_cast<long>(STATE_SYSTEM_INVISIBLE);
    });
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return Nothing(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
    if (file) *file = nullptr;
    if (topic) *topic = 0;
    return window_ ? S_FALSE : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return Nothing(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override { return Empty(focus); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return Empty(selection);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (!action) return E_POINTER;
    *action = nullptr;
    const long index = ChildIndex(child);
    if (index < 0) return window_ ? E_INVALIDARG : RPC_E_DISCONNECTED;
    return index == 0 ? S_FALSE : Text(L"Press", action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    if (!left || !top || !width || !height) return E_POINTER;
    const long index = ChildIndex(child);
    if (index < 0) return window_ ? E_INVALIDARG : RPC_E_DISCONNECTED;
    RECT box{};
    if (index == 0)
      ::GetClientRect(window_, &box);
    else
      box = buttons_[Button(index)].control->PixelRect();
    ::MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&box), 2);
    *left = box.left;
    *top = box.top;
    *width = box.right - box.left;
    *height = box.bottom - box.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override {
    if (end) Clear(end);
    return window_ ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override {
    if (!hit) return E_POINTER;
    Clear(hit);
    if (!window_) return RPC_E_DISCONNECTED;
    POINT at{x, y};
    ::ScreenToClient(window_, &at);
    RECT client{};
    ::GetClientRect(window_, &client);
    if (!::PtInRect(&client, at)) return S_FALSE;
    hit->vt = VT_I4;
    hit->lVal = CHILDID_SELF;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
      const RECT box = buttons_[i].control->PixelRect();
      if (::PtInRect(&box, at)) hit->lVal = static_cast<long>(i) + 1;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    const long index = ChildIndex(child);
    if (index < 0) return window_ ? E_INVALIDARG : RPC_E_DISCONNECTED;
    if (index == 0) return DISP_E_MEMBERNOTFOUND;
    // Pressed from the form's own loop, after this call has returned: the
    // press may close the window, or open a dialog.
    ::PostMessageW(window_, Accessibility::kPressMessage, Button(index), 0);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~AccessibleForm() = default;

  // 0 for the form itself, 1.. for a button; -1 for an id that names
  // nothing, or for anything once the form is gone.
  long ChildIndex(const VARIANT& child) const {
    if (!window_ || child.vt != VT_I4) return -1;
    if (child.lVal == CHILDID_SELF) return 0;
    return child.lVal >= 1 && child.lVal <= static_cast<long>(buttons_.size()) ? child.lVal : -1;
  }
  static std::size_t Button(long index) { return static_cast<std::size_t>(index - 1); }

  static HRESULT Text(const std::wstring& text, BSTR* out) {
    *out = Loaded()->allocString(text.c_str());
    return *out ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT Nothing(const VARIANT& child, BSTR* out) const {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (ChildIndex(child) < 0) return window_ ? E_INVALIDARG : RPC_E_DISCONNECTED;
    return S_FALSE;
  }
  // A number about the form (index 0) or a button, as `answer` gives it.
  template <typename Answer>
  HRESULT Number(const VARIANT& child, VARIANT* out, Answer answer) const {
    if (!out) return E_POINTER;
    Clear(out);
    const long index = ChildIndex(child);
    if (index < 0) return window_ ? E_INVALIDARG : RPC_E_DISCONNECTED;
    out->vt = VT_I4;
    out->lVal = answer(index);
    return S_OK;
  }
  HRESULT Empty(VARIANT* out) const {
    if (!out) return E_POINTER;
    Clear(out);
    return window_ ? S_FALSE : RPC_E_DISCONNECTED;
  }

  LONG references_ = 1;
  HWND window_;
  AccessibleDescription description_;
  std::vector<AccessibleButton> buttons_;
};

Accessibility::~Accessibility() {
  Disconnect();
}

std::vector<AccessibleButton> Accessibility::Buttons(const Tips& tips) {
  std::vector<AccessibleButton> buttons;
  for (const auto& [control, text] : tips)
    if (control->Clickable()) buttons.push_back({control, text});
  return buttons;
}

LRESULT Accessibility::Answer(HWND window, WPARAM wParam, LPARAM lParam, const Tips& tips) {
  if (static_cast<LONG>(lParam) != OBJID_CLIENT || !Described()) return 0;
  try {
    const Libraries* libraries = Loaded();
    if (!libraries) return 0;
    if (!object_) object_ = new AccessibleForm(window, description_, Buttons(tips));
    const LRESULT answer = libraries->lresultFromObject(IID_IAccessible, wParam, object_);
    return answer > 0 ? answer : 0;
  } catch (...) {
    return 0;  // the system's own object answers instead
  }
}

void Accessibility::Disconnect() {
  if (!object_) return;
  object_->Disconnect();
  object_->Release();
  object_ = nullptr;
}

}  // namespace kelbo
