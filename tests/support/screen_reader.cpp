#include "tests/support/screen_reader.h"

#include <oleacc.h>

#include <map>

namespace reader {
namespace {

std::string Utf8(BSTR text) {
  if (!text) return std::string();
  const int length = static_cast<int>(SysStringLen(text));
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) WideCharToMultiByte(CP_UTF8, 0, text, length, &utf8[0], size, nullptr, nullptr);
  SysFreeString(text);
  return utf8;
}

VARIANT Child(long id) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

long Number(IAccessible* object, const VARIANT& child, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) {
  VARIANT out;
  VariantInit(&out);
  const long n = SUCCEEDED((object->*get)(child, &out)) && out.vt == VT_I4 ? out.lVal : 0;
  VariantClear(&out);
  return n;
}

std::map<HWND, int> g_events;

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD) { ++g_events[window]; }

}  // namespace

Accessible Read(HWND window) {
  static const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // for the test's life
  (void)com;
  Accessible a;
  IAccessible* object = nullptr;
  // __uuidof, not IID_IAccessible: the x86_64 oleacc import library names
  // an import stub by that symbol, whose bytes are no interface id.
  if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&object))) ||
      !object) {
    return a;
  }
  a.found = true;
  const VARIANT self = Child(CHILDID_SELF);
  BSTR text = nullptr;
  if (object->get_accName(self, &text) == S_OK) a.name = Utf8(text);
  a.role = Number(object, self, &IAccessible::get_accRole);
  a.state = Number(object, self, &IAccessible::get_accState);
  text = nullptr;
  if (object->get_accValue(self, &text) == S_OK) {
    a.hasValue = true;
    a.value = Utf8(text);
  }
  long count = 0;
  object->get_accChildCount(&count);
  std::vector<VARIANT> children(static_cast<std::size_t>(count > 0 ? count : 0));
  LONG got = 0;
  if (count > 0 && SUCCEEDED(AccessibleChildren(object, 0, count, children.data(), &got))) {
    for (LONG i = 0; i < got; ++i) {
      if (children[i].vt == VT_I4 && Number(object, children[i], &IAccessible::get_accRole) == ROLE_SYSTEM_STATICTEXT) {
        text = nullptr;
        if (object->get_accName(children[i], &text) == S_OK) a.lines.push_back(Utf8(text));
      }
      VariantClear(&children[i]);
    }
  }
  object->Release();
  return a;
}

EventCounter::EventCounter(DWORD processId, DWORD event) {
  g_events.clear();
  hook_ = SetWinEventHook(event, event, nullptr, OnEvent, processId, 0, WINEVENT_OUTOFCONTEXT);
}

EventCounter::~EventCounter() {
  if (hook_) UnhookWinEvent(hook_);
}

int EventCounter::Count(HWND window, DWORD settleMs) {
  const DWORD start = GetTickCount();
  MSG message;
  do {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(10);
  } while (GetTickCount() - start < settleMs);
  const auto found = g_events.find(window);
  return found == g_events.end() ? 0 : found->second;
}

}  // namespace reader
