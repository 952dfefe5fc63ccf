// SPDX-License-Identifier: MIT
#include "tools/inspect/RecordBytes.h"

#include "mms/OemCodePage.h"
#include "mms/RecordScramble.h"

#include <algorithm>
#include <array>

namespace quorvex::inspect {

namespace {

// Length of the well-formed UTF-8 sequence at the start of `bytes` (no overlongs, surrogates or
// values above U+10FFFF), 0 when there is none.
std::size_t utf8Sequence(std::span<const std::uint8_t> bytes) {
    const std::uint8_t lead = bytes[0];
    std::size_t length = 0;
    std::uint32_t min = 0;
    std::uint32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, min = 0x80, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, min = 0x800, code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, min = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((bytes[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (bytes[i] & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

constexpr std::array<std::string_view, 15> kLanguageNames{
    "Chinese", "English",  "Deutsch",    "Suomi",  "Italiano", "Francais", "Magyar", "Slovenian",
    "Cesky",   "Japanese", "Lithuanian", "Polish", "Turkiye",  "Ukraine",  "Russian"};

} // namespace

Record recordAt(std::span<const std::uint8_t> file, std::size_t index) {
    Record record{};
    const std::size_t start = index * kRecordSize;
    if (start + kRecordSize <= file.size())
        std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(start), kRecordSize, record.begin());
    return record;
}

Record unscrambledRecord(const Record& stored) {
    // Inverting and swapping the nibbles each undo themselves and commute, so scrambling a
    // stored record again gives back the plain one.
    return recordScramble(stored);
}

void addProblem(FileReport& report, int record, int byte, std::string reason) {
    report.problems.push_back({record, byte, std::move(reason)});
}

void checkRecordEnd(FileReport& report, int recordIndex, const Record& record) {
    if (record[58] != 13)
        addProblem(report, recordIndex, 58,
                   "holds " + hexByte(record[58]) + "; every record ends in CR LF (0x0D 0x0A)");
    if (record[59] != 10)
        addProblem(report, recordIndex, 59,
                   "holds " + hexByte(record[59]) + "; every record ends in CR LF (0x0D 0x0A)");
}

void checkZeroBytes(FileReport& report, int recordIndex, const Record& record, std::size_t from,
                    std::size_t to, std::string_view what) {
    for (std::size_t i = from; i < to && i < kRecordSize; ++i)
        if (record[i] != 0)
            addProblem(report, recordIndex, static_cast<int>(i),
                       "holds " + hexByte(record[i]) + "; " + std::string(what) + " is always 0");
}

std::string printableText(std::span<const std::uint8_t> bytes) {
    std::string out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::uint8_t b = bytes[i];
        if (b == '\\') {
            out += "\\\\";
            ++i;
        } else if (b >= 0x20 && b < 0x7F) {
            out += static_cast<char>(b);
            ++i;
        } else if (const std::size_t n = b >= 0x80 ? utf8Sequence(bytes.subspan(i)) : 0; n > 0) {
            out.append(reinterpret_cast<const char*>(bytes.data() + i), n);
            i += n;
        } else {
            out += "\\x" + hexByte(b).substr(2);
            ++i;
        }
    }
    return out;
}

namespace {

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string oemTextAsUtf8(std::span<const std::uint8_t> bytes) {
    std::string out;
    for (std::uint8_t b : bytes) {
        if (b == '\\')
            out += "\\\\";
        else if (b < 0x20 || b == 0x7F)
            out += "\\x" + hexByte(b).substr(2);
        else
            appendUtf8(out, characterForOemByte(b));
    }
    return out;
}

std::string hexByte(int value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const auto v = static_cast<unsigned>(value) & 0xFF;
    return std::string("0x") + kDigits[v >> 4] + kDigits[v & 0xF];
}

std::string hexWord(unsigned value) {
    return hexByte(static_cast<int>((value >> 8) & 0xFF)) +
           hexByte(static_cast<int>(value & 0xFF)).substr(2);
}

std::string_view languageName(int languageId) {
    return languageId >= 1 && languageId <= 15
               ? kLanguageNames[static_cast<std::size_t>(languageId - 1)]
               : std::string_view{};
}

} // namespace quorvex::inspect
