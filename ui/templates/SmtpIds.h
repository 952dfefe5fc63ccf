// SPDX-License-Identifier: MIT
#pragma once

#include "card/SettingsFileSchema.h"

// Control ids of the SMTP templates (143 P4, 147 K4), shared by the templates and the forms.
// Most ids are the same in both; the rows that differ are in the family's own struct (1113 is
// the status label of the P4 template and the phone edit of the K4 one).
namespace quorvex::ui::smtp_ids {

inline constexpr int kMode = 1087; // Auto, Manual
inline constexpr int kModeLabel = 1086;
inline constexpr int kPicturesPerDay = 1002;
inline constexpr int kPicturesLabel = 1089;
inline constexpr int kUnlimitedNote = 1090;
inline constexpr int kCountry = 1088;
inline constexpr int kCountryLabel = 1091;
inline constexpr int kOperator = 1093;
inline constexpr int kOperatorLabel = 1092;
inline constexpr int kHourLabel = 1085;

// The GPRS group: APN, account and password, read-only in Auto mode.
inline constexpr int kApn = 1003;
inline constexpr int kApnLabel = 1097;
inline constexpr int kAccount = 1004;
inline constexpr int kAccountLabel = 1098;
inline constexpr int kGprsPassword = 1005;
inline constexpr int kGprsPasswordLabel = 1099;
// The sender group.
inline constexpr int kSenderGroup = 1104;
inline constexpr int kServer = 1006;
inline constexpr int kServerLabel = 1100;
inline constexpr int kPort = 1007;
inline constexpr int kPortLabel = 1101;
inline constexpr int kSenderEmail = 1009;
inline constexpr int kSenderEmailLabel = 1103;
inline constexpr int kSenderPassword = 1008;
inline constexpr int kSenderPasswordLabel = 1102;
// The recipients group.
inline constexpr int kRecipientsGroup = 1105;
inline constexpr int kRecipient = 1012;
inline constexpr int kRecipientLabel = 1106;

inline constexpr int kSelectFolder = 1111;
inline constexpr int kFolder = 1017;
inline constexpr int kGenerate = 1112; // the default button: Enter generates

// What the two templates place differently.
struct FamilyIds {
    int statusLabel, status; // 0: no SMTP Status list (K4)
    int remoteLabel, remote; // SMS remote control
    int gprsGroup;           // "GPRS Setting"
    int smsGroup, phoneLabel, phone;
    int emailLimit; // sender and recipient e-mail edits
};
inline constexpr FamilyIds kP4{
    1113, 1114, 1107, 1115, 1146, 1147, 1116, 1117, textLimit(kSmtpTextRecords, 6)};
inline constexpr FamilyIds kK4{0, 0, 1132, 1135, 1107, 1083, 1114, 1113, 32};

} // namespace quorvex::ui::smtp_ids
