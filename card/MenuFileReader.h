// SPDX-License-Identifier: MIT
#pragma once

#include "card/RecordLayouts.h"
#include "core/CardCheck.h"

#include <cstdint>
#include <span>
#include <string>

namespace quorvex {

// What a menu.dat read back by a layout holds: its values as the forms hold them, or why it
// cannot be used.
struct MenuFileContent {
    CardCheck check;
    MenuValues values;
};

// Why the record is unsound (size, CR LF, the checksum of bytes 0-49), empty when it is sound.
// A layout is only worth trying on a sound record.
std::string menuRecordFault(std::span<const std::uint8_t> bytes);

// Whether a sound record holds something `layout` writes: its factory record, or a value every
// field of the layout can have.
bool fitsMenuLayout(const RecordLayout& layout, std::span<const std::uint8_t> record);

// "P4 (ModelId 2, 4, 7, 10); P7 (ModelId 8)": the layouts a record fits, as a user reads them.
// The generic layout with the lists left open is named only when nothing else fits, as no
// model's form writes it.
std::string layoutListText(std::span<const RecordLayout* const> layouts);

// Reads menu.dat by `layout`: an unsound record is damaged; the layout's factory record has
// nothing to load; a record that fits other layouts only was written for another model; one that
// fits none is damaged at its first wrong byte.
MenuFileContent readMenuFile(std::span<const std::uint8_t> bytes, const RecordLayout& layout);

} // namespace quorvex
