// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvex {

// Whether a settings file read back from a card can go into a form, and if not, why.
enum class CardVerdict {
    Readable,
    Missing,       // no such file in the folder, or it cannot be read
    Damaged,       // size, record ends, checksum or a value the camera cannot have
    OtherLayout,   // sound, but written for another model's form
    FactoryRecord, // the factory reset record: nothing in it to load
};

struct CardCheck {
    CardVerdict verdict = CardVerdict::Readable;
    // Where and why, in the inspector's words (Damaged), or the layouts the file fits
    // (OtherLayout).
    std::string detail;

    bool readable() const { return verdict == CardVerdict::Readable; }
};

inline CardCheck cardRefusal(CardVerdict verdict, std::string detail = {}) {
    return {verdict, std::move(detail)};
}

} // namespace quorvex
