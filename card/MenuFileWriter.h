// SPDX-License-Identifier: MIT
#pragma once

#include "card/CameraSettingsRecord.h"
#include "core/InfoMessages.h"
#include "core/Language.h"

#include <string>
#include <string_view>

namespace quorvex {

enum class RecordKind { Configuration, FactorySettings };

// Each camera form's two success messages.
struct MenuMessages {
    Message configuration;
    Message factorySettings;
};

inline constexpr std::string_view kMenuFileName = "menu.dat";

// Seals the record (checksum, CR LF) and writes it as <folder>/menu.dat, then shows the message
// for `kind` in the message language, or the reason the file could not be written.
bool writeMenuFile(CameraSettingsRecord record, std::string_view folder, RecordKind kind,
                   const MenuMessages& messages, LanguageId language, ui::InfoMessages& out);

} // namespace quorvex
