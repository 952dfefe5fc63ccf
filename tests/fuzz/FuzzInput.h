// SPDX-License-Identifier: MIT
#pragma once

#include "card/CardVerdict.h"
#include "card/MmsFileWriter.h"
#include "card/SmtpFileWriter.h"
#include "core/SettingsCrc16.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quorvex::testing {

// A fuzz input: the first byte picks the file kind, the model and whether the harness repairs the
// checksums and record ends, so that most inputs get past the envelope checks into the fields.
struct FuzzInput {
    CardFile kind = CardFile::Menu;
    std::optional<int> modelId; // 18-31 read without a model
    std::vector<std::uint8_t> file;
};

inline void repairFrame(CardFile kind, std::vector<std::uint8_t>& file, bool international) {
    if (kind == CardFile::Menu) {
        if (file.size() != 60)
            return;
        const std::uint16_t crc = settingsCrc16(std::span(file).first(50));
        file[56] = static_cast<std::uint8_t>(crc & 0xFF);
        file[57] = static_cast<std::uint8_t>(crc >> 8);
        file[58] = 13;
        file[59] = 10;
        return;
    }
    if (file.size() != 720)
        return;
    for (std::size_t r = 0; r < 12; ++r) {
        file[r * 60 + 58] = 13;
        file[r * 60 + 59] = 10;
    }
    const unsigned addend = kind == CardFile::Smtp ? kSmtpChecksumAddend
                            : international        ? kInternationalChecksumAddend
                                                   : 0;
    const auto check =
        static_cast<std::uint16_t>(settingsCrc16(std::span(file).first(660)) + addend);
    file[660 + 56] = static_cast<std::uint8_t>(check & 0xFF);
    file[660 + 57] = static_cast<std::uint8_t>(check >> 8);
}

inline std::optional<FuzzInput> fuzzInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return std::nullopt;
    const std::uint8_t control = data[0];
    FuzzInput input;
    input.kind = static_cast<CardFile>((control & 3) % 3);
    const int model = (control >> 2) & 0x1F;
    if (model <= 17)
        input.modelId = model;
    input.file.assign(data + 1, data + size);
    if (control & 0x80)
        repairFrame(input.kind, input.file, (control & 0x40) != 0);
    return input;
}

} // namespace quorvex::testing
