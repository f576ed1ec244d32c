#include "skin/announcement.h"

#include <oleauto.h>

#include <string>

#include "settings/wide_text.h"

namespace {

// The two functions of uiautomationcore.dll an announcement needs, looked
// up on the first announcement: Windows 10 (1709) and later have the
// notification; older Windows and Wine have none. The provider is handed
// on as it came, so only IUnknown is needed of it.
using HostProviderFn = HRESULT(WINAPI*)(HWND, IUnknown**);
using RaiseNotificationFn = HRESULT(WINAPI*)(IUnknown*, int kind, int processing, BSTR text, BSTR activity);
constexpr int kNotificationKindOther = 4;
constexpr int kImportantMostRecent = 1;  // NotificationProcessing: read now, the latest of its activity

struct Automation {
  HostProviderFn hostProvider = nullptr;
  RaiseNotificationFn raiseNotification = nullptr;
};

template <typename Fn>
Fn LookUp(HMODULE module, const char* name) {
  FARPROC found = module ? GetProcAddress(module, name) : nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(found));
}

const Automation& AutomationFunctions() {
  static const Automation functions = [] {
    Automation a;
    HMODULE module = LoadLibraryW(L"uiautomationcore.dll");  // stays loaded for the life of the process
    a.hostProvider = LookUp<HostProviderFn>(module, "UiaHostProviderFromHwnd");
    a.raiseNotification = LookUp<RaiseNotificationFn>(module, "UiaRaiseNotificationEvent");
    return a;
  }();
  return functions;
}

bool Notify(HWND window, const std::wstring& text, const wchar_t* activity) {
  const Automation& uia = AutomationFunctions();
  if (!uia.hostProvider || !uia.raiseNotification) return false;
  IUnknown* provider = nullptr;
  if (FAILED(uia.hostProvider(window, &provider)) || !provider) return false;
  BSTR words = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  BSTR kind = SysAllocString(activity);
  const HRESULT result =
      words && kind ? uia.raiseNotification(provider, kNotificationKindOther, kImportantMostRecent, words, kind)
                    : E_OUTOFMEMORY;
  SysFreeString(words);
  SysFreeString(kind);
  provider->Release();
  return SUCCEEDED(result);
}

}  // namespace

void AnnounceWindow(HWND window, const char* text, const wchar_t* activity) {
  if (!window || !text) return;
  if (Notify(window, Widen(text), activity)) return;
  NotifyWinEvent(EVENT_SYSTEM_ALERT, window, OBJID_CLIENT, CHILDID_SELF);
}
