// SPDX-License-Identifier: MIT
#pragma once

#include "ui/DialogTemplate.h"

namespace quorvex::ui {

// 129: the generic camera menu. One option row per line; the SD cycle row (the last) is hidden
// for most models and the rows above spread into its place.
extern const DialogTemplate kCameraMenuTemplate;
// 140: the P4 camera menu. Option rows in two columns above a hidden "PIR DIR REC" row, into
// whose place the rows spread when the form opens.
extern const DialogTemplate kP4MenuTemplate;
// 148: the K7 camera menu. The generic column without side PIR and SD cycle.
extern const DialogTemplate kK7MenuTemplate;
// 157: the P7 camera menu. The P4 grid without side PIR and the hidden row.
extern const DialogTemplate kP7MenuTemplate;
// 149: the K9 camera menu. Two columns with the coordinate block.
extern const DialogTemplate kK9MenuTemplate;
// 163: the D2 camera menu. The K7 column with a wireless code row.
extern const DialogTemplate kD2MenuTemplate;

} // namespace quorvex::ui
