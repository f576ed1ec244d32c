// Reading the controls of an extended dialog template (DLGTEMPLATEEX) from
// its resource bytes: each control's id and rectangle in dialog units, in
// template order. Needs no window, so a template's layout can be checked on
// any machine; the dialogs use it to place their controls in pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/display_scale.h"

struct TemplateControl {
  std::int32_t id = 0;  // as stored: -1 stays -1
  DialogUnitRect rect;
};

struct DialogTemplateLayout {
  DialogUnitRect dialog;  // the dialog's own rectangle
  std::vector<TemplateControl> controls;
};

// Parses the template. False, with layout left empty, when the bytes are
// not an extended template or end before its last control's fields.
bool ReadDialogTemplate(const std::uint8_t* bytes, std::size_t size, DialogTemplateLayout* layout);
