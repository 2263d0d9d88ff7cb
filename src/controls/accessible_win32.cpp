#include "controls/accessible_win32.h"

#include <oleacc.h>

#include "base/system_functions_win32.h"
#include "base/text_win32.h"

namespace sentrel {

namespace {

using CreateStdAccessibleObjectFunction = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFromObjectFunction = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);

using SysAllocStringLenFunction = BSTR(WINAPI*)(const OLECHAR*, UINT);

template <class Function>
Function Typed(FARPROC function) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(function));
}

template <class Function>
Function OleaccTyped(const char* name) {
    return Typed<Function>(OleaccFunction(name));
}

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The caller frees the text with SysFreeString: it comes from oleaut32, which oleacc itself
// loads.
HRESULT ReturnText(const std::string& text, BSTR* out) {
    // Loaded on the first answer and kept for the run, like oleacc.
    static const SystemLibrary oleaut(L"oleaut32.dll");
    const auto allocate = oleaut.Function<SysAllocStringLenFunction>("SysAllocStringLen");
    if (allocate == nullptr) {
        return E_FAIL;
    }
    const std::wstring wide = Utf8ToWide(text);
    *out = allocate(wide.c_str(), static_cast<UINT>(wide.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// One object per WM_GETOBJECT: the control's own answers where it gives them, the system's
// standard object for its window everywhere else. COM interfaces have no virtual destructor:
// Release deletes the object as its own class.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class ControlAccessible final : public IAccessible {
public:
    ControlAccessible(HWND window, AccessibleLookup lookup) : window_(window), lookup_(lookup) {
        if (const auto create =
                OleaccTyped<CreateStdAccessibleObjectFunction>("CreateStdAccessibleObject")) {
            void* standard = nullptr;
            if (SUCCEEDED(create(window, OBJID_CLIENT, __uuidof(IAccessible), &standard))) {
                standard_ = static_cast<IAccessible*>(standard);
            }
        }
    }
    ~ControlAccessible() {
        if (standard_ != nullptr) {
            standard_->Release();
        }
    }
    ControlAccessible(const ControlAccessible&) = delete;
    ControlAccessible& operator=(const ControlAccessible&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) ||
            iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch: no type information; clients call the IAccessible methods directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
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

    // IAccessible: the control's facts.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Text(child, name, &AccessibleFacts::name, &IAccessible::get_accName);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Text(child, value, &AccessibleFacts::value, &IAccessible::get_accValue);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return Text(child, action, &AccessibleFacts::defaultAction,
                    &IAccessible::get_accDefaultAction);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return Number(child, role, &AccessibleFacts::role, &IAccessible::get_accRole);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return Number(child, state, &AccessibleFacts::state, &IAccessible::get_accState);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        AccessibleSource* source = lookup_(window_);
        if (source == nullptr) {
            return RPC_E_DISCONNECTED;
        }
        if (!IsSelf(child) || !source->Describe().defaultAction) {
            return standard_ != nullptr ? standard_->accDoDefaultAction(child) : E_INVALIDARG;
        }
        source->DoDefaultAction();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
        *child = nullptr;
        return E_INVALIDARG;
    }

    // IAccessible: the system's object for the window.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        *parent = nullptr;
        return standard_ != nullptr ? standard_->get_accParent(parent) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        *text = nullptr;
        return standard_ != nullptr ? standard_->get_accDescription(child, text) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
        *text = nullptr;
        return standard_ != nullptr ? standard_->get_accHelp(child, text) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        *file = nullptr;
        return standard_ != nullptr ? standard_->get_accHelpTopic(file, child, topic) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
        *text = nullptr;
        return standard_ != nullptr ? standard_->get_accKeyboardShortcut(child, text) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        focus->vt = VT_EMPTY;
        return standard_ != nullptr ? standard_->get_accFocus(focus) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        selection->vt = VT_EMPTY;
        return standard_ != nullptr ? standard_->get_accSelection(selection) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard_ != nullptr ? standard_->accSelect(flags, child) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard_ != nullptr ? standard_->accLocation(left, top, width, height, child)
                                    : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        end->vt = VT_EMPTY;
        return standard_ != nullptr ? standard_->accNavigate(direction, start, end) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        child->vt = VT_EMPTY;
        return standard_ != nullptr ? standard_->accHitTest(x, y, child) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    using TextFact = std::optional<std::string> AccessibleFacts::*;
    using NumberFact = std::optional<long> AccessibleFacts::*;
    using TextQuery = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
    using NumberQuery = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, VARIANT*);

    HRESULT Text(VARIANT child, BSTR* out, TextFact fact, TextQuery query) {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        AccessibleSource* source = lookup_(window_);
        if (source == nullptr) {
            return RPC_E_DISCONNECTED;
        }
        if (IsSelf(child)) {
            if (const std::optional<std::string> text = source->Describe().*fact) {
                return ReturnText(*text, out);
            }
        }
        return standard_ != nullptr ? (standard_->*query)(child, out) : S_FALSE;
    }

    HRESULT Number(VARIANT child, VARIANT* out, NumberFact fact, NumberQuery query) {
        if (out == nullptr) {
            return E_POINTER;
        }
        out->vt = VT_EMPTY;
        AccessibleSource* source = lookup_(window_);
        if (source == nullptr) {
            return RPC_E_DISCONNECTED;
        }
        if (IsSelf(child)) {
            if (const std::optional<long> number = source->Describe().*fact) {
                out->vt = VT_I4;
                out->lVal = *number;
                return S_OK;
            }
        }
        return standard_ != nullptr ? (standard_->*query)(child, out) : S_FALSE;
    }

    LONG references_ = 1;
    HWND window_;
    AccessibleLookup lookup_;
    IAccessible* standard_ = nullptr;
};
#pragma GCC diagnostic pop

}  // namespace

FARPROC OleaccFunction(const char* name) {
    static const SystemLibrary oleacc(L"oleacc.dll");
    return oleacc.Function<FARPROC>(name);
}

std::optional<LRESULT> AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam,
                                       AccessibleLookup lookup) {
    if (static_cast<LONG>(static_cast<DWORD>(lParam)) != OBJID_CLIENT ||
        lookup(window) == nullptr) {
        return std::nullopt;
    }
    const auto answer = OleaccTyped<LresultFromObjectFunction>("LresultFromObject");
    if (answer == nullptr) {
        return std::nullopt;
    }
    auto* object = new ControlAccessible(window, lookup);
    const LRESULT result = answer(__uuidof(IAccessible), wParam, object);
    object->Release();
    return result;
}

void NotifyAccessibleEvent(HWND window, DWORD event) {
    NotifyWinEvent(event, window, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace sentrel
