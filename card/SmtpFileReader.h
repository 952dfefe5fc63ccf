// SPDX-License-Identifier: MIT
#pragma once

#include "card/SmtpFileWriter.h"
#include "core/CardCheck.h"

#include <cstdint>
#include <span>

namespace quorvex {

// What an smtp.dat read back holds, as the writer took it, or why it cannot be used.
struct SmtpFileContent {
    CardCheck check;
    SmtpHeaderValues header;
    SmtpTexts texts;
};

// Whether bytes 6-8 of a plain header are what the form of `layout` stores there: SMTP Status,
// remote control and 1 (P4), or 1, 1 and remote control (K4).
bool fitsSmtpLayout(SmtpLayout layout, const SettingsRecordBytes& plainHeader);

// Whether the plain record 9 is what the writer derives from the plain sender record 6: the
// address up to its first "@", zeros after it, its byte count at 57.
bool senderUserNameMatches(const SettingsRecordBytes& plainSender,
                           const SettingsRecordBytes& plainUserName);

// Reads smtp.dat for a form that writes `layout`: the frame, the checksum (plus 15), every
// header byte, the nine texts and the user name derived from the sender address. A header whose
// bytes 6-8 fit only the other form's layout was written for another model.
SmtpFileContent readSmtpFile(std::span<const std::uint8_t> bytes, SmtpLayout layout);

} // namespace quorvex
