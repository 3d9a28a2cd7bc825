#include "toolkit/controls/accessible.h"

#include <oleacc.h>

#include "toolkit/system/com_ptr.h"
#include "toolkit/system/optional_entries.h"
#include "toolkit/system/system_text.h"

namespace toolkit {
namespace {

// One element and its children, answering the questions of IAccessible; child 0 is the element itself.
class Accessible final : public IAccessible {
 public:
  explicit Accessible(Accessible_Tree tree) : tree_(std::move(tree)) {}

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == Iid_IAccessible) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: not offered.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    *parent = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    *count = static_cast<long>(tree_.Children.size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
    *child = nullptr;
    return S_FALSE;  // the children are simple elements
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT id, BSTR* name) override {
    const Accessible_Item* item = Item(id);
    *name = nullptr;
    if (!item) return E_INVALIDARG;
    if (!item->Name) return S_FALSE;
    const std::wstring text = item->Name();
    *name = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT id, BSTR* value) override { return Nothing(id, value); }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT id, BSTR* text) override { return Nothing(id, text); }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT id, VARIANT* role) override {
    const Accessible_Item* item = Item(id);
    if (!item) return E_INVALIDARG;
    role->vt = VT_I4;
    role->lVal = item->Role;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT id, VARIANT* state) override {
    const Accessible_Item* item = Item(id);
    if (!item) return E_INVALIDARG;
    state->vt = VT_I4;
    state->lVal = item->State ? item->State() : 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT id, BSTR* text) override { return Nothing(id, text); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
    *file = nullptr;
    *topic = 0;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT id, BSTR* text) override { return Nothing(id, text); }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    focus->vt = VT_EMPTY;
    for (std::size_t i = 0; i < tree_.Children.size(); ++i)
      if (tree_.Children[i].State && (tree_.Children[i].State() & STATE_SYSTEM_FOCUSED)) {
        focus->vt = VT_I4;
        focus->lVal = static_cast<long>(i + 1);
      }
    return focus->vt == VT_EMPTY ? S_FALSE : S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    selection->vt = VT_EMPTY;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT id, BSTR* text) override { return Nothing(id, text); }
  HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT id) override {
    const Accessible_Item* item = Item(id);
    if (!item || !item->Place) return E_INVALIDARG;
    const RECT r = item->Place();
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override {
    end->vt = VT_EMPTY;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override {
    hit->vt = VT_EMPTY;
    const POINT p{x, y};
    for (std::size_t i = 0; i < tree_.Children.size(); ++i) {
      const RECT r = tree_.Children[i].Place ? tree_.Children[i].Place() : RECT{};
      if (PtInRect(&r, p)) {
        hit->vt = VT_I4;
        hit->lVal = static_cast<long>(i + 1);
        return S_OK;
      }
    }
    const RECT self = tree_.Self.Place ? tree_.Self.Place() : RECT{};
    if (!PtInRect(&self, p)) return S_FALSE;
    hit->vt = VT_I4;
    hit->lVal = CHILDID_SELF;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  const Accessible_Item* Item(const VARIANT& id) const {
    if (id.vt != VT_I4) return nullptr;
    if (id.lVal == CHILDID_SELF) return &tree_.Self;
    if (id.lVal < 1 || id.lVal > static_cast<long>(tree_.Children.size())) return nullptr;
    return &tree_.Children[static_cast<std::size_t>(id.lVal - 1)];
  }
  HRESULT Nothing(const VARIANT& id, BSTR* text) const {
    *text = nullptr;
    return Item(id) ? S_FALSE : E_INVALIDARG;
  }

  Accessible_Tree tree_;
  LONG references_ = 1;
};

}  // namespace

LRESULT Answer_Get_Object(HWND hwnd, WPARAM wp, LPARAM lp, const Accessible_Tree& tree) {
  const auto answer = Entry_Point(Optional::LresultFromObject);
  if (static_cast<LONG>(lp) != OBJID_CLIENT || !answer) return Default_Procedure(hwnd, WM_GETOBJECT, wp, lp);
  // COM counts the object's references: this owner holds the first, the system takes its own.
  Com_Ptr<IAccessible> object;
  *object.Put() = new Accessible(tree);
  return answer(Iid_IAccessible, wp, object.Get());
}

}  // namespace toolkit
