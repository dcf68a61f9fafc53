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
// object for the same window.
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
  ULONG STDMETHODCALLTYPE Release() override {
    const auto left = static_cast<ULONG>(::InterlockedDecrement(&references_));
    if (left == 0) delete this;
    return left;
  }

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
    if (!IsSelf(child)) return System<&IAccessible::get_accName>(child, name);
    return name ? Text(description_.name, name) : E_POINTER;
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    if (!IsSelf(child)) return System<&IAccessible::get_accValue>(child, value);
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
    if (!IsSelf(child)) return System<&IAccessible::get_accRole>(child, role);
    if (!role) return E_POINTER;
    role->vt = VT_I4;
    role->lVal = description_.role;
    return S_OK;
  }

  // The rest, the system's.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return System<&IAccessible::get_accParent>(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    return System<&IAccessible::get_accChildCount>(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    return System<&IAccessible::get_accChild>(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return System<&IAccessible::get_accDescription>(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return System<&IAccessible::get_accState>(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return System<&IAccessible::get_accHelp>(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return System<&IAccessible::get_accHelpTopic>(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return System<&IAccessible::get_accKeyboardShortcut>(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    return System<&IAccessible::get_accFocus>(focus);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return System<&IAccessible::get_accSelection>(selection);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return System<&IAccessible::get_accDefaultAction>(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return System<&IAccessible::accSelect>(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    return System<&IAccessible::accLocation>(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return System<&IAccessible::accNavigate>(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override {
    return System<&IAccessible::accHitTest>(x, y, hit);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return System<&IAccessible::accDoDefaultAction>(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~AccessibleForm() { Disconnect(); }

  bool IsSelf(const VARIANT& child) const {
    return window_ && child.vt == VT_I4 && child.lVal == CHILDID_SELF;
  }
  // Once the form is gone, every question is answered RPC_E_DISCONNECTED.
  template <auto Method, typename... Args>
  HRESULT System(Args... args) {
    return system_ ? (system_->*Method)(args...) : RPC_E_DISCONNECTED;
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
