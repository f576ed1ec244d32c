#include "skin/dialog_template.h"

// Format notes (DLGTEMPLATEEX, little-endian, WORD = 2 bytes):
//   header: dlgVer = 1, signature = 0xFFFF, helpID, exStyle, style (DWORDs),
//           cDlgItems, x, y, cx, cy (WORDs, the last four signed);
//           menu and windowClass (each a "sz_Or_Ord"), title (a string);
//           with DS_SETFONT (0x40) or DS_SHELLFONT (0x48): pointsize,
//           weight (WORDs), italic, charset (bytes), typeface (a string).
//   each item starts on a DWORD boundary: helpID, exStyle, style (DWORDs),
//           x, y, cx, cy (signed WORDs), id (DWORD), windowClass and title
//           (sz_Or_Ord), extraCount (WORD) and that many creation bytes.
//   sz_Or_Ord: 0x0000 alone (none), 0xFFFF followed by an ordinal WORD, or
//           a zero-terminated string of UTF-16 units.
// Offsets count from the start of the template, which a resource always
// starts DWORD-aligned.

namespace {

constexpr std::uint32_t kDsSetFont = 0x40;

struct Reader {
  const std::uint8_t* bytes;
  std::size_t size;
  std::size_t at = 0;
  bool ok = true;

  std::uint16_t Word() {
    if (!ok || at > size || size - at < 2) {
      ok = false;
      return 0;
    }
    const std::uint16_t v = static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
    at += 2;
    return v;
  }
  std::uint32_t Dword() {
    const std::uint32_t low = Word();
    return low | std::uint32_t(Word()) << 16;
  }
  void Skip(std::size_t n) {
    if (!ok || size - at < n) {
      ok = false;
      return;
    }
    at += n;
  }
  void String() {
    while (ok && Word() != 0) {
    }
  }
  void StringOrOrdinal() {
    const std::uint16_t first = Word();
    if (first == 0xFFFF) {
      Word();
    } else if (first != 0) {
      String();
    }
  }
  void AlignDword() { Skip((4 - at % 4) % 4); }
};

DialogUnitRect ReadRect(Reader& r) {
  DialogUnitRect rect;
  rect.x = static_cast<std::int16_t>(r.Word());
  rect.y = static_cast<std::int16_t>(r.Word());
  rect.width = static_cast<std::int16_t>(r.Word());
  rect.height = static_cast<std::int16_t>(r.Word());
  return rect;
}

}  // namespace

bool ReadDialogTemplate(const std::uint8_t* bytes, std::size_t size, DialogTemplateLayout* layout) {
  *layout = DialogTemplateLayout{};
  if (!bytes) return false;
  Reader r{bytes, size};
  const std::uint16_t version = r.Word();
  const std::uint16_t signature = r.Word();
  if (!r.ok || version != 1 || signature != 0xFFFF) return false;
  r.Skip(8);  // helpID, exStyle
  const std::uint32_t style = r.Dword();
  const std::uint16_t count = r.Word();
  DialogTemplateLayout result;
  result.dialog = ReadRect(r);
  r.StringOrOrdinal();  // menu
  r.StringOrOrdinal();  // class
  r.String();           // title
  if (style & kDsSetFont) {
    r.Skip(6);  // pointsize, weight, italic, charset
    r.String();
  }
  for (std::uint16_t i = 0; i < count && r.ok; ++i) {
    r.AlignDword();
    r.Skip(12);  // helpID, exStyle, style
    TemplateControl control;
    control.rect = ReadRect(r);
    control.id = static_cast<std::int32_t>(r.Dword());
    r.StringOrOrdinal();  // class
    r.StringOrOrdinal();  // title
    r.Skip(r.Word());     // creation data
    if (r.ok) result.controls.push_back(control);
  }
  if (!r.ok) return false;
  *layout = result;
  return true;
}
