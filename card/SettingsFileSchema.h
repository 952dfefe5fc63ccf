// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace quorvex {

// A field of a card file as profiles and people name it: a stable key, and the label the
// inspector prints (which may be reworded; profiles keep working through the key).
struct FieldName {
    std::string_view key;
    std::string_view label;
};

// The country byte of both headers in Manual mode (the operator byte is then 0).
inline constexpr int kManualCountryByte = 0x80;

// One text record of setup.dat or smtp.dat: its record number, the stable key profiles name it
// by, the label people read, and the most characters a form lets the user type (the longest
// limit where the forms of a file differ).
struct TextRecordSchema {
    int record;
    std::string_view key;
    std::string_view label;
    std::size_t limit;
    constexpr FieldName name() const { return {key, label}; }
};

// Records 1-10 of setup.dat.
inline constexpr std::array<TextRecordSchema, 10> kSetupTextRecords{{
    {1, "mmscUrl", "MMSC URL", 50},
    {2, "apn", "APN", 30},
    {3, "gateway", "Gateway", 20},
    {4, "port", "Port", 10},
    {5, "phoneNo", "Phone No", 32},
    {6, "email", "Email", 40},
    {7, "account", "Account", 30},
    {8, "password", "Password", 30},
    {9, "phoneOrEmail2", "Phone or Email 2", 32},
    {10, "phoneOrEmail3", "Phone or Email 3", 32},
}};

// Records 1-10 of smtp.dat; record 9 is derived from the sender address (the P4 form allows 40
// characters of it, the K4 form 32).
inline constexpr std::array<TextRecordSchema, 10> kSmtpTextRecords{{
    {1, "apn", "APN", 32},
    {2, "gprsAccount", "GPRS account", 32},
    {3, "gprsPassword", "GPRS password", 32},
    {4, "smtpServer", "SMTP server", 40},
    {5, "smtpPort", "SMTP port", 10},
    {6, "senderEmail", "Sender email", 40},
    {7, "senderPassword", "Sender password", 32},
    {8, "smsPhone", "SMS phone number", 30},
    {9, "senderUserName", "Sender user name", 40},
    {10, "recipient", "Recipient email", 40},
}};

// The entry of `record` (1-10).
constexpr const TextRecordSchema& textRecordSchema(std::span<const TextRecordSchema, 10> records,
                                                   int record) {
    return records[static_cast<std::size_t>(record - 1)];
}

// The character limit of `record`, for the forms' edits.
constexpr int textLimit(std::span<const TextRecordSchema, 10> records, int record) {
    return static_cast<int>(textRecordSchema(records, record).limit);
}

} // namespace quorvex
