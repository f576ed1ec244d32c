// What a screen reader hears of the program, from this process as a
// screen reader does: a window's accessible object through Active
// Accessibility (AccessibleObjectFromWindow, its client area), and the
// alert events the program raises, heard out of context.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace reader {

struct Accessible {
  bool found = false;  // AccessibleObjectFromWindow gave an object
  std::string name;    // UTF-8; empty when it has none
  long role = 0;
  long state = 0;
  bool hasValue = false;
  std::string value;
  // The names of the children that are read-only texts, in order.
  std::vector<std::string> lines;
};

Accessible Read(HWND window);

// Counts one kind of event (EVENT_SYSTEM_ALERT, EVENT_OBJECT_STATECHANGE)
// of one process from its creation on, as a screen reader hears them out
// of context. The events reach this thread while it waits in Count. One
// counter at a time.
class EventCounter {
 public:
  EventCounter(DWORD processId, DWORD event);
  ~EventCounter();
  EventCounter(const EventCounter&) = delete;
  EventCounter& operator=(const EventCounter&) = delete;
  // The events about `window` heard so far, after taking in those still
  // on their way for settleMs.
  int Count(HWND window, DWORD settleMs = 200);

 private:
  HWINEVENTHOOK hook_ = nullptr;
};

// The alerts: a window that appeared on its own, announced.
class AlertCounter : public EventCounter {
 public:
  explicit AlertCounter(DWORD processId) : EventCounter(processId, EVENT_SYSTEM_ALERT) {}
};

}  // namespace reader
