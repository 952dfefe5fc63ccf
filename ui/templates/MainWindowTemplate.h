// SPDX-License-Identifier: MIT
#pragma once

#include "ui/DialogTemplate.h"

namespace quorvex::ui {

extern const DialogTemplate kMainWindowTemplate; // 102: language, model, configurator buttons
extern const DialogTemplate kAboutTemplate;      // 100: the About box

} // namespace quorvex::ui
