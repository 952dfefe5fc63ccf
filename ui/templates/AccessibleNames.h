// SPDX-License-Identifier: MIT
#pragma once

#include "core/Language.h"
#include "ui/DialogTemplate.h"

#include <optional>
#include <string_view>

// What assistive technology is told about the controls of every template, for every binding.
// Edits and lists get a name of their own (their labels are short, shared or missing: the timer
// minutes sit behind a ":", the serial characters under one label); the unit or note beside a
// field is its description and the frame or heading around it its group. Ids refer to controls of
// the same template; their current texts are what a binding shows for description and group.
namespace quorvex::ui {

struct AccessibleInfo {
    std::string_view name; // in the window's language
    int labelledBy = 0;    // the static a person reads as the field's label; 0: none
    int describedBy = 0;   // the static holding its unit or note; 0: none
    int group = 0;         // the frame or heading that names the field's group; 0: none
};

// The entry of an edit or list of template `templateId`; nullopt for buttons and statics (they are
// named by their own text) and for ids the template does not have.
std::optional<AccessibleInfo> accessibleInfo(int templateId, int controlId, LanguageId language);

// The name announced for a control: the entry's name for edits and lists, else `currentText`.
std::string_view accessibleName(int templateId, const ControlSpec& control, LanguageId language,
                                std::string_view currentText);

// The field a static labels (the first entry naming it as label), or 0: a label's Alt+letter and
// a click on it give this field the focus.
int labelledField(int templateId, int staticId);

} // namespace quorvex::ui
