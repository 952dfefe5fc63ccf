// SPDX-License-Identifier: MIT
#include "card/CameraSettingsRecord.h"

#include "core/SettingsCrc16.h"

namespace quorvex {

std::span<const std::uint8_t, CameraSettingsRecord::kSize> CameraSettingsRecord::seal() {
    const std::uint16_t crc = settingsCrc16(std::span(m_bytes).first<kPayloadSize>());
    m_bytes[kCrcLow] = static_cast<std::uint8_t>(crc & 0xFF);
    m_bytes[kCrcHigh] = static_cast<std::uint8_t>(crc >> 8);
    m_bytes[kLineEnd] = kCr;
    m_bytes[kLineEnd + 1] = kLf;
    return m_bytes;
}

} // namespace quorvex
