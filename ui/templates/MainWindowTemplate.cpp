// SPDX-License-Identifier: MIT
#include "ui/templates/MainWindowTemplate.h"

#include <array>

namespace quorvex::ui {

namespace {

using K = ControlKind;
using namespace style;

constexpr std::array kMainControls{
    ControlSpec{kUnnamed, K::GroupBox, "", 7, 4, 236, 48},
    ControlSpec{1078, K::Static, "Language", 14, 16, 96, 10},
    ControlSpec{1080, K::List, "", 114, 14, 122, 14},
    ControlSpec{1079, K::Static, "Model", 14, 34, 96, 10},
    ControlSpec{1081, K::List, "", 114, 32, 122, 14},
    ControlSpec{kUnnamed, K::GroupBox, "", 7, 54, 236, 42},
    ControlSpec{1000, K::Button, "Camera Setup", 14, 62, 70, 28, MultiLine},
    ControlSpec{1001, K::Button, "MMS Setup", 90, 62, 70, 28, MultiLine},
    ControlSpec{1002, K::Button, "SMTP Setup", 166, 62, 70, 28, MultiLine},
    ControlSpec{1076, K::Button, "Button3", 7, 102, 236, 14, Hidden},
    ControlSpec{1077, K::Static, "Static", 7, 122, 236, 10, Centred},
};

constexpr std::array kAboutControls{
    ControlSpec{kUnnamed, K::Static, "", 10, 10, 21, 20, Icon},
    ControlSpec{1101, K::Static, "", 40, 10, 160, 10},
    ControlSpec{1102, K::Static, "", 40, 26, 160, 10, Link},
    ControlSpec{1, K::Button, "OK", 153, 44, 50, 14, DefaultButton},
};

} // namespace

const DialogTemplate kMainWindowTemplate{102, "Quorvex", 250, 138, kMainControls};
const DialogTemplate kAboutTemplate{100, "About Setup", 210, 64, kAboutControls};

} // namespace quorvex::ui
