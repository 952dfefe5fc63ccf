// SPDX-License-Identifier: MIT
#pragma once

// Control ids of the MMS templates (130 generic, 142 P4), shared by the templates and the forms.
namespace quorvex::ui::mms_ids {

// Lists.
inline constexpr int kMode = 1041;     // Auto, Manual
inline constexpr int kSend = 1042;     // MMS Send
inline constexpr int kCountry = 1045;  // from the catalogue, or "Other" in Manual mode
inline constexpr int kOperator = 1046; // likewise
inline constexpr int kConnection = 1056;
inline constexpr int kNumbering = 1060; // China, International

// The ten texts of setup.dat, in record order, and the daily picture limit.
inline constexpr int kUrl = 1002;
inline constexpr int kApn = 1003;
inline constexpr int kGateway = 1004;
inline constexpr int kPort = 1005;
inline constexpr int kPhoneNo = 1006;
inline constexpr int kEmail = 1007;
inline constexpr int kAccount = 1008;
inline constexpr int kPassword = 1009;
inline constexpr int kRecipient2 = 1010;
inline constexpr int kRecipient3 = 1011;
inline constexpr int kTexts[10] = {kUrl,   kApn,     kGateway,  kPort,       kPhoneNo,
                                   kEmail, kAccount, kPassword, kRecipient2, kRecipient3};
inline constexpr int kPicturesPerDay = 1074;

// The folder row: "Select" and the read-only folder text.
inline constexpr int kSelectFolder = 1057;
inline constexpr int kFolder = 1012;
inline constexpr int kFolderLimit = 80;

// Labels.
inline constexpr int kGroup = 1058;
inline constexpr int kModeLabel = 1039;
inline constexpr int kSendLabel = 1040;
inline constexpr int kPicturesLabel = 1059;
inline constexpr int kUnlimitedNote = 1075;
inline constexpr int kCountryLabel = 1043;
inline constexpr int kOperatorLabel = 1044;
inline constexpr int kHourLabel = 1085;
inline constexpr int kUrlLabel = 1047;
inline constexpr int kGatewayLabel = 1048;
inline constexpr int kPortLabel = 1049;
inline constexpr int kPhoneNoLabel = 1050;
inline constexpr int kEmailLabel = 1051;
inline constexpr int kAccountLabel = 1052;
inline constexpr int kPasswordLabel = 1053;
inline constexpr int kRecipient2Label = 1054;
inline constexpr int kRecipient3Label = 1055;

// The SMS remote-control row differs: the generic template has list 1134 with label 1129, the P4
// template list 1061 with label 1084 in a group box of its own (1083).
struct RemoteControlIds {
    int frame, label, list;
};
inline constexpr RemoteControlIds kGenericRemote{-1, 1129, 1134};
inline constexpr RemoteControlIds kP4Remote{1083, 1084, 1061};

} // namespace quorvex::ui::mms_ids
