#include "ui/accessible_form.h"

#include <oleacc.h>

#include <new>

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

}  // namespace

// The form's client area: its name, role and value are answered here,
// everything else (its children, where it is, its state) by the system's
// object for the same window. Once the form is gone, every question is
// answered RPC_E_DISCONNECTED.
class AccessibleForm final : public IAccessible {
 public:
  // Takes over `system`'s reference.
  AccessibleForm(HWND window, const AccessibleDescription& description, IAccessible* system)
      : window_(window), description_(description), system_(system) {}

  void Disconnect() {
    window_ = nullptr;
    if (system_) system_->Release();
    system_ = nullptr;
  }

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
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch: clients of this object call IAccessible directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return count ? S_OK : E_POINTER;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // What the form itself is.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!IsSelf(child)) return system_ ? system_->get_accName(child, name) : RPC_E_DISCONNECTED;
    return name ? Text(description_.name, name) : E_POINTER;
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    if (!IsSelf(child)) return system_ ? system_->get_accValue(child, value) : RPC_E_DISCONNECTED;
    if (!value) return E_POINTER;
    *value = nullptr;
    if (!description_.value) return S_FALSE;
    try {
      return Text(description_.value(), value);
    } catch (...) {
      return E_FAIL;
    }
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!IsSelf(child)) return system_ ? system_->get_accRole(child, role) : RPC_E_DISCONNECTED;
    if (!role) return E_POINTER;
    role->vt = VT_I4;
    role->lVal = description_.role;
    return S_OK;
  }

  // The rest, the system's.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return system_ ? system_->get_accParent(parent) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    return system_ ? system_->get_accChildCount(count) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    return system_ ? system_->get_accChild(child, out) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return system_ ? system_->get_accDescription(child, text) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return system_ ? system_->get_accState(child, state) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return system_ ? system_->get_accHelp(child, help) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return system_ ? system_->get_accHelpTopic(file, child, topic) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return system_ ? system_->get_accKeyboardShortcut(child, shortcut) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    return system_ ? system_->get_accFocus(focus) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return system_ ? system_->get_accSelection(selection) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return system_ ? system_->get_accDefaultAction(child, action) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return system_ ? system_->accSelect(flags, child) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    return system_ ? system_->accLocation(left, top, width, height, child) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return system_ ? system_->accNavigate(direction, start, end) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override {
    return system_ ? system_->accHitTest(x, y, hit) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return system_ ? system_->accDoDefaultAction(child) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~AccessibleForm() { Disconnect(); }

  bool IsSelf(const VARIANT& child) const {
    return window_ && child.vt == VT_I4 && child.lVal == CHILDID_SELF;
  }
  static HRESULT Text(const std::wstring& text, BSTR* out) {
    *out = Loaded()->allocString(text.c_str());
    return *out ? S_OK : E_OUTOFMEMORY;
  }

  LONG references_ = 1;
  HWND window_;
  AccessibleDescription description_;
  IAccessible* system_;
};

ULONG STDMETHODCALLTYPE AccessibleForm::Release() {
  const auto left = static_cast<ULONG>(::InterlockedDecrement(&references_));
  if (left == 0) delete this;
  return left;
}

Accessibility::~Accessibility() {
  Disconnect();
}

LRESULT Accessibility::Answer(HWND window, WPARAM wParam, LPARAM lParam) {
  if (static_cast<LONG>(lParam) != OBJID_CLIENT || description_.name.empty()) return 0;
  try {
    const Libraries* libraries = Loaded();
    if (!libraries) return 0;
    if (!object_) {
      IAccessible* system = nullptr;
      if (FAILED(libraries->standardObject(window, OBJID_CLIENT, IID_IAccessible,
                                           reinterpret_cast<void**>(&system))) ||
          !system)
        return 0;
      object_ = new AccessibleForm(window, description_, system);
    }
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
