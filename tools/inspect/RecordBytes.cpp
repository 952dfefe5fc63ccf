// SPDX-License-Identifier: MIT
#include "tools/inspect/RecordBytes.h"

#include "card/OemCodePage.h"
#include "card/ScrambledSettingsFile.h"
#include "card/SettingsFileReader.h"
#include "core/Utf8.h"

#include <algorithm>
#include <array>

namespace quorvex::inspect {

Record recordAt(std::span<const std::uint8_t> file, std::size_t index) {
    Record record{};
    const std::size_t start = index * kRecordSize;
    if (start + kRecordSize <= file.size())
        std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(start), kRecordSize, record.begin());
    return record;
}

Record unscrambledRecord(const Record& stored) {
    return recordUnscramble(stored);
}

void addProblem(FileReport& report, int record, int byte, std::string reason) {
    report.problems.push_back({record, byte, std::move(reason)});
}

void checkRecordEnd(FileReport& report, int recordIndex, const Record& record) {
    for (std::size_t i = 0; i < 2; ++i)
        if (const std::size_t at = kRecordEndByte + i; record[at] != (i == 0 ? kCr : kLf))
            addProblem(report, recordIndex, static_cast<int>(at),
                       "holds " + hexByte(record[at]) + "; every record ends in CR LF (" +
                           hexByte(kCr) + " " + hexByte(kLf) + ")");
}

void checkZeroBytes(FileReport& report, int recordIndex, const Record& record, std::size_t from,
                    std::size_t to, std::string_view what) {
    for (std::size_t i = from; i < to && i < kRecordSize; ++i)
        if (record[i] != 0)
            addProblem(report, recordIndex, static_cast<int>(i),
                       "holds " + hexByte(record[i]) + "; " + std::string(what) + " is always 0");
}

std::string printableText(std::span<const std::uint8_t> bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
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
        } else if (const ui::Utf8Char c = ui::decodeUtf8At(text, i); b >= 0x80 && c.valid) {
            out.append(text.substr(i, c.length));
            i += c.length;
        } else {
            out += "\\x" + hexByte(b).substr(2);
            ++i;
        }
    }
    return out;
}

std::string printablePath(std::string_view path) {
    std::string out;
    std::size_t start = 0;
    while (start <= path.size()) {
        auto end = path.find('\\', start);
#ifndef _WIN32
        end = std::string_view::npos;
#endif
        const auto part = path.substr(start, end == std::string_view::npos ? end : end - start);
        out += printableText({reinterpret_cast<const std::uint8_t*>(part.data()), part.size()});
        if (end == std::string_view::npos)
            break;
        out += '\\';
        start = end + 1;
    }
    return out;
}

std::string oemTextAsUtf8(std::span<const std::uint8_t> bytes) {
    std::string out;
    for (std::uint8_t b : bytes) {
        if (b == '\\')
            out += "\\\\";
        else if (b < 0x20 || b == 0x7F)
            out += "\\x" + hexByte(b).substr(2);
        else
            ui::appendUtf8(out, characterForOemByte(b));
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

} // namespace quorvex::inspect
