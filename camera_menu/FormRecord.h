// SPDX-License-Identifier: MIT
#pragma once

#include "camera_menu/CameraSettingsRecord.h"
#include "camera_menu/RecordLayouts.h"

namespace quorvex::camera_menu {

// The record a form writes: every field of `layout` from `values` as the form holds it, stored
// as its low 8 bits. Unlike buildMenuRecord nothing is refused: a value the form took over in a
// failed validation pass (an hour of 30) is written as it is held. The clock year is limited to
// 2010-2031 before the layout's bias is taken off.
CameraSettingsRecord buildFormRecord(const RecordLayout& layout, const MenuValues& values);

// The layout's fixed factory pattern, with its varying fields (if any) from `moment`.
CameraSettingsRecord buildPatternRecord(const RecordLayout& layout, const MenuValues& moment);

} // namespace quorvex::camera_menu
