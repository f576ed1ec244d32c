#include "skin/accessible_object.h"

#include <commctrl.h>
#include <oleacc.h>

#include <new>

#include "settings/wide_text.h"

namespace {

// Child ids of the lines: far above the window's own children, so that
// neither kind of child is taken for the other.
constexpr long kFirstLineId = 0x10000;

HRESULT Text(const std::string& utf8, BSTR* out) {
  if (!out) return E_INVALIDARG;
  const std::wstring wide = Widen(utf8);
  *out = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT Number(long value, VARIANT* out) {
  if (!out) return E_INVALIDARG;
  VariantInit(out);
  out->vt = VT_I4;
  out->lVal = value;
  return S_OK;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

VARIANT Self() {
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  return self;
}

// The standard object of the window's client area, with the facts laid
// over it. It is also the list of its children (IEnumVARIANT), since a
// reader asks the object itself for them: the standard object's children
// first, then the lines.
class FactsObject final : public IAccessible, public IEnumVARIANT {
 public:
  FactsObject(HWND window, AccessibleDescriber describe, IAccessible* standard)
      : window_(window), describe_(describe), standard_(standard) {}
  FactsObject(const FactsObject&) = delete;
  FactsObject& operator=(const FactsObject&) = delete;

  // IUnknown. The interface's id is __uuidof(IAccessible) throughout: the
  // x86_64 oleacc import library names an import stub IID_IAccessible,
  // whose bytes are no interface id, and nothing would ever match it.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
    } else if (iid == IID_IEnumVARIANT) {
      *out = static_cast<IEnumVARIANT*>(this);
    } else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: readers use the IAccessible methods themselves.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (!count) return E_POINTER;
    long own = 0;
    if (FAILED(standard_->get_accChildCount(&own))) own = 0;
    *count = own + static_cast<long>(Facts().lines.size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    if (LineOf(child, Facts()) < 0) return standard_->get_accChild(child, out);
    if (!out) return E_POINTER;
    *out = nullptr;
    return S_FALSE;  // a line is a simple element of this object
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
    const AccessibleFacts facts = Facts();
    const int line = LineOf(child, facts);
    if (line >= 0) return Text(facts.lines[static_cast<std::size_t>(line)], out);
    if (IsSelf(child) && !facts.name.empty()) return Text(facts.name, out);
    return standard_->get_accName(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
    const AccessibleFacts facts = Facts();
    if (LineOf(child, facts) >= 0) return Nothing(out);
    if (IsSelf(child) && facts.hasValue) return Text(facts.value, out);
    return standard_->get_accValue(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
    if (LineOf(child, Facts()) >= 0) return Nothing(out);
    return standard_->get_accDescription(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
    const AccessibleFacts facts = Facts();
    if (LineOf(child, facts) >= 0) return Number(ROLE_SYSTEM_STATICTEXT, out);
    if (IsSelf(child) && facts.role != 0) return Number(facts.role, out);
    return standard_->get_accRole(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
    const AccessibleFacts facts = Facts();
    if (LineOf(child, facts) >= 0) return Number(STATE_SYSTEM_READONLY, out);
    const HRESULT result = standard_->get_accState(child, out);
    if (!IsSelf(child) || facts.state == 0) return result;
    const long standard = SUCCEEDED(result) && out && out->vt == VT_I4 ? out->lVal : 0;
    return Number(standard | facts.state, out);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override {
    if (LineOf(child, Facts()) >= 0) return Nothing(out);
    return standard_->get_accHelp(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return standard_->get_accHelpTopic(file, LineOf(child, Facts()) >= 0 ? Self() : child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
    if (LineOf(child, Facts()) >= 0) return Nothing(out);
    return standard_->get_accKeyboardShortcut(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override { return standard_->get_accFocus(out); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override { return standard_->get_accSelection(out); }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
    if (LineOf(child, Facts()) >= 0) return Nothing(out);
    return standard_->get_accDefaultAction(child, out);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    if (LineOf(child, Facts()) >= 0) return DISP_E_MEMBERNOTFOUND;
    return standard_->accSelect(flags, child);
  }
  // A line has no place of its own on the screen: it is read where the
  // window is.
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
    return standard_->accLocation(left, top, width, height, LineOf(child, Facts()) >= 0 ? Self() : child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* out) override {
    return standard_->accNavigate(direction, start, out);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
    return standard_->accHitTest(x, y, out);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (LineOf(child, Facts()) >= 0) return DISP_E_MEMBERNOTFOUND;
    return standard_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  // IEnumVARIANT: the children, listed at the first call of a round.
  HRESULT STDMETHODCALLTYPE Next(ULONG wanted, VARIANT* out, ULONG* fetched) override {
    if (!out) return E_POINTER;
    List();
    ULONG given = 0;
    while (given < wanted && position_ < children_.size()) {
      VariantInit(&out[given]);
      if (FAILED(VariantCopy(&out[given], &children_[position_]))) break;
      ++given;
      ++position_;
    }
    if (fetched) *fetched = given;
    return given == wanted ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    List();
    position_ += count;
    if (position_ <= children_.size()) return S_OK;
    position_ = children_.size();
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    Forget();
    position_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** out) override {
    if (!out) return E_POINTER;
    standard_->AddRef();
    auto* copy = new (std::nothrow) FactsObject(window_, describe_, standard_);
    if (!copy) {
      standard_->Release();
      *out = nullptr;
      return E_OUTOFMEMORY;
    }
    copy->position_ = position_;
    *out = static_cast<IEnumVARIANT*>(copy);
    return S_OK;
  }

 private:
  ~FactsObject() {
    Forget();
    standard_->Release();
  }

  AccessibleFacts Facts() const {
    AccessibleFacts facts;
    if (IsWindow(window_)) describe_(window_, &facts);
    return facts;
  }

  // The line a child id stands for, or -1.
  static int LineOf(const VARIANT& child, const AccessibleFacts& facts) {
    if (child.vt != VT_I4 || child.lVal < kFirstLineId) return -1;
    const long line = child.lVal - kFirstLineId;
    return line < static_cast<long>(facts.lines.size()) ? static_cast<int>(line) : -1;
  }

  static HRESULT Nothing(BSTR* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    return S_FALSE;
  }

  void List() {
    if (listed_) return;
    listed_ = true;
    IEnumVARIANT* own = nullptr;
    if (SUCCEEDED(standard_->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&own))) && own) {
      own->Reset();
      VARIANT item;
      VariantInit(&item);
      ULONG got = 0;
      while (own->Next(1, &item, &got) == S_OK && got == 1) {
        children_.push_back(item);
        VariantInit(&item);
      }
      own->Release();
    } else {
      long count = 0;
      if (FAILED(standard_->get_accChildCount(&count))) count = 0;
      for (long id = 1; id <= count; ++id) {
        VARIANT item;
        Number(id, &item);
        children_.push_back(item);
      }
    }
    const std::size_t lines = Facts().lines.size();
    for (std::size_t i = 0; i < lines; ++i) {
      VARIANT item;
      Number(kFirstLineId + static_cast<long>(i), &item);
      children_.push_back(item);
    }
  }

  void Forget() {
    for (VARIANT& item : children_) VariantClear(&item);
    children_.clear();
    listed_ = false;
  }

  LONG references_ = 1;
  HWND window_;
  AccessibleDescriber describe_;
  IAccessible* standard_;
  std::vector<VARIANT> children_;
  std::size_t position_ = 0;
  bool listed_ = false;
};

// A named standard control: its subclass answers for it, and a property
// of the control keeps the name (the 64-bit import library has no
// GetWindowSubclass to read the subclass's own data back).
constexpr UINT_PTR kNamedId = 0x534D58;  // "SMX"
constexpr char kNameProperty[] = "SmxAccessibleName";

std::string* KeptName(HWND control) { return static_cast<std::string*>(GetPropA(control, kNameProperty)); }

void DescribeNamed(HWND control, AccessibleFacts* facts) {
  if (const std::string* name = KeptName(control)) facts->name = *name;
}

LRESULT CALLBACK NamedControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_GETOBJECT) {
    if (const LRESULT answer = AnswerAccessibleObject(control, wParam, lParam, DescribeNamed)) return answer;
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(control, NamedControlProc, kNamedId);
    delete static_cast<std::string*>(RemovePropA(control, kNameProperty));
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

LRESULT AnswerAccessibleObject(HWND window, WPARAM wParam, LPARAM lParam, AccessibleDescriber describe) {
  if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT) || !describe) return 0;
  IAccessible* standard = nullptr;
  if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&standard))) ||
      !standard) {
    return 0;
  }
  auto* object = new (std::nothrow) FactsObject(window, describe, standard);
  if (!object) {
    standard->Release();
    return 0;
  }
  // The reference holds its own count on the object; ours goes.
  const LRESULT answer = LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(object));
  object->Release();
  return answer > 0 ? answer : 0;
}

void SetControlName(HWND dialog, int controlId, const char* name) {
  HWND control = GetDlgItem(dialog, controlId);
  if (control && name) SetWindowTextW(control, Widen(name).c_str());
}

void SetAccessibleName(HWND control, const char* name) {
  if (!control || !name) return;
  if (std::string* kept = KeptName(control)) {
    *kept = name;
    return;
  }
  auto* text = new (std::nothrow) std::string(name);
  if (!text) return;
  if (!SetPropA(control, kNameProperty, text)) {
    delete text;
    return;
  }
  if (!SetWindowSubclass(control, NamedControlProc, kNamedId, 0)) {
    delete static_cast<std::string*>(RemovePropA(control, kNameProperty));
  }
}
