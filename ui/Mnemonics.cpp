// SPDX-License-Identifier: MIT
#include "ui/Mnemonics.h"

#include "core/Utf8.h"
#include "ui/templates/AccessibleNames.h"

#include <set>

namespace quorvex::ui {

namespace {

bool isKeyLetter(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') ||
           (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) || // Latin-1 and Extended-A/B
           (c >= 0x391 && c <= 0x3C9) ||                          // Greek
           (c >= 0x400 && c <= 0x45F);                            // Cyrillic
}

// The key of a letter is its capital, as both toolkits match an Alt+letter (so the Turkish
// dotless "ı" is the key of "I" and "i").
char32_t keyOf(char32_t c) {
    if (c >= U'a' && c <= U'z')
        return c - 32;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7) || (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) ||
        (c >= 0x430 && c <= 0x44F))
        return c - 32;
    if (c >= 0x450 && c <= 0x45F)
        return c - 80;
    switch (c) {
    case 0xFF:
        return 0x178;
    case 0x131:
        return U'I';
    case 0x17F:
        return U'S';
    case 0x3C2:
        return 0x3A3;
    default:
        break;
    }
    // Latin Extended-A pairs a capital with its small letter: capitals in even places, except in
    // U+0139-U+0148 and U+0179-U+017E where they stand in odd ones.
    if (c >= 0x100 && c <= 0x17E && c != 0x130 && c != 0x138 && c != 0x149 && c != 0x178) {
        const bool oddCapitals = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        return oddCapitals ? ((c & 1u) ? c : c - 1) : (c & ~char32_t{1});
    }
    return c;
}

struct Letter {
    char32_t key;
    int position; // UTF-16
    bool startsWord;
};

std::vector<Letter> lettersOf(std::string_view text) {
    std::vector<Letter> out;
    int position = 0;
    bool previousIsLetter = false;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Char c = decodeUtf8At(text, at);
        const bool letter = c.valid && isKeyLetter(c.codePoint);
        if (letter)
            out.push_back({keyOf(c.codePoint), position, !previousIsLetter});
        previousIsLetter = letter || (c.codePoint >= U'0' && c.codePoint <= U'9');
        position += c.valid && c.codePoint > 0xFFFF ? 2 : 1;
        at += c.length;
    }
    return out;
}

} // namespace

std::vector<int> mnemonicPositions(std::span<const std::string_view> texts) {
    std::vector<int> positions(texts.size(), -1);
    std::set<char32_t> taken;
    // First every text tries the letters that start its words, then any of its letters.
    for (const bool wordStartsOnly : {true, false}) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (positions[i] >= 0)
                continue;
            for (const Letter& l : lettersOf(texts[i])) {
                if ((wordStartsOnly && !l.startsWord) || taken.contains(l.key))
                    continue;
                taken.insert(l.key);
                positions[i] = l.position;
                break;
            }
        }
    }
    return positions;
}

int mnemonicFor(std::span<const std::string_view> texts, std::string_view typed) {
    const std::vector<Letter> pressed = lettersOf(typed);
    if (pressed.size() != 1)
        return -1;
    const std::vector<int> positions = mnemonicPositions(texts);
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (const Letter& l : lettersOf(texts[i]))
            if (l.position == positions[i] && l.key == pressed.front().key)
                return static_cast<int>(i);
    return -1;
}

std::vector<int> mnemonicControls(const DialogTemplate& t) {
    std::vector<int> ids;
    for (const ControlSpec& c : t.controls)
        if (c.kind == ControlKind::Button && c.id != kUnnamed)
            ids.push_back(c.id);
    for (const ControlSpec& c : t.controls)
        if (c.kind == ControlKind::Static && labelledField(t.id, c.id) != 0)
            ids.push_back(c.id);
    return ids;
}

} // namespace quorvex::ui
