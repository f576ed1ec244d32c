#include "app/gdi_usage.h"

DWORD CountGdiObjects() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0) return reported;
  // Where the count is not kept (Wine answers 0), probe the handle table:
  // a GDI handle's low word is its table index, and an index alone still
  // names the live object there.
  DWORD count = 0;
  for (ULONG_PTR index = 1; index < 0x10000; ++index) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
  }
  return count;
}
