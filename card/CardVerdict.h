// SPDX-License-Identifier: MIT
#pragma once

#include "core/CardCheck.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace quorvex {

// The three files a camera reads from its card.
enum class CardFile { Menu, Setup, Smtp };

// "menu.dat", "setup.dat", "smtp.dat".
std::string_view cardFileName(CardFile file);

// The one verdict on a file read back from a card, which the inspector, "Load from card" and
// quorvex-write all follow: for the forms of `modelId`, or without a model for any model's form
// (a model without a form of this kind accepts what any form writes). Readable: the file loads
// into such a form; FactoryRecord: a sound file with nothing to load; Damaged and OtherLayout
// say where and why.
CardCheck cardFileVerdict(CardFile file, std::span<const std::uint8_t> bytes,
                          std::optional<int> modelId);

} // namespace quorvex
