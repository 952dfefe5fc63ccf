// SPDX-License-Identifier: MIT
#pragma once

#include "card/MmsFileWriter.h"
#include "core/CardCheck.h"
#include "core/ModelCatalogue.h"

#include <cstdint>
#include <span>

namespace quorvex {

// What a setup.dat read back holds, as the writer took it, or why it cannot be used.
struct MmsFileContent {
    CardCheck check;
    MmsHeaderValues header;
    MmsTexts texts;
};

// Reads setup.dat for a form whose MMS Send list is `list`: the frame, the checksum (plain or
// plus 18 for international numbering, which the numbering byte must agree with), every header
// byte and the ten texts. A file whose MMS Send code fits another form's list only was written
// for another model.
MmsFileContent readMmsFile(std::span<const std::uint8_t> bytes, MmsSendList list);

} // namespace quorvex
