// SPDX-License-Identifier: MIT
#include "ui/templates/MmsTemplates.h"
#include "card/SettingsFileSchema.h"

#include "ui/templates/MmsIds.h"
#include "ui/templates/TemplateParts.h"

#include <array>

namespace quorvex::ui {

namespace {

using K = ControlKind;
using namespace style;
using namespace mms_ids;

using template_parts::join;
using template_parts::label;
using template_parts::list;
using template_parts::s;

constexpr int kWidth = 292;
constexpr int kLine = 16;   // pitch of the text rows
constexpr int kLabelW = 84; // names of the text rows
constexpr int kEditX = 98;  // where their edits start
constexpr int kEditW = 180;
constexpr int kListH = template_parts::kListHeight;
constexpr int kEditH = 12;

constexpr ControlSpec edit(int id, int x, int y, int w, int limit, unsigned flags = ReadOnly) {
    return {id, K::Edit, "", s(x), s(y), s(w), kEditH, flags, limit};
}
constexpr ControlSpec frame(int id, int y, int h) {
    return {id, K::GroupBox, "", 8, s(y), kWidth - 16, s(h)};
}

// Mode and send lists.
constexpr std::array<ControlSpec, 4> listsRow(int y) {
    return {label(kModeLabel, "MMS Mode", 14, y + 2, 50), list(kMode, 66, y, 66),
            label(kSendLabel, "MMS Status", 136, y + 2, 70), list(kSend, 208, y, 70)};
}

constexpr std::array<ControlSpec, 4> picturesRow(int y) {
    return {frame(kUnnamed, y, 20), label(kPicturesLabel, "Picture No./day", 14, y + 7, 80),
            edit(kPicturesPerDay, kEditX, y + 5, 24, 0, DigitsOnly | Centred),
            label(kUnlimitedNote, "Note：0=Unlimited", 128, y + 7, 150)};
}

constexpr std::array<ControlSpec, 5> catalogueRows(int y) {
    return {frame(kUnnamed, y, 38), label(kCountryLabel, "Country", 14, y + 8, kLabelW),
            list(kCountry, kEditX, y + 5, kEditW),
            label(kOperatorLabel, "Operator", 14, y + 24, kLabelW),
            list(kOperator, kEditX, y + 21, kEditW)};
}

constexpr std::array<ControlSpec, 4> remoteRow(const RemoteControlIds& r, int y) {
    return {frame(r.frame, y, 20), label(r.label, "SMS Remote Control", 14, y + 7, kLabelW),
            list(r.list, kEditX, y + 4, 48), label(kHourLabel, "Hour", kEditX + 52, y + 7, 60)};
}

// The connection type in front of the APN, then one text per row; Numbering beside Phone No.
constexpr auto textRows(int y) {
    struct Row {
        int label;
        std::string_view text;
        int edit, limit;
    };
    // The edits take what setup.dat's text records take; Phone No is checked on "Generate".
    constexpr auto limit = [](int record) { return textLimit(kSetupTextRecords, record); };
    constexpr std::array<Row, 9> kRows{
        {{kUrlLabel, "URL", kUrl, limit(1)},
         {kGatewayLabel, "Gateway", kGateway, limit(3)},
         {kPortLabel, "Port", kPort, limit(4)},
         {kPhoneNoLabel, "Phone No", kPhoneNo, 0},
         {kEmailLabel, "Email", kEmail, limit(6)},
         {kAccountLabel, "Account", kAccount, limit(7)},
         {kPasswordLabel, "Password", kPassword, limit(8)},
         {kRecipient2Label, "Phone or Email", kRecipient2, limit(9)},
         {kRecipient3Label, "Phone or Email", kRecipient3, limit(10)}}};
    std::array<ControlSpec, 3 + 2 * kRows.size() + 1> all{};
    all[0] = frame(kUnnamed, y, kLine * 10 + 8);
    all[1] = list(kConnection, 14, y + 6, kLabelW - 4);
    all[2] = edit(kApn, kEditX, y + 7, kEditW, limit(2));
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const int top = y + 7 + kLine * static_cast<int>(i + 1);
        const bool phone = kRows[i].edit == kPhoneNo;
        all[3 + 2 * i] = label(kRows[i].label, kRows[i].text, 14, top + 1, kLabelW);
        all[4 + 2 * i] = edit(kRows[i].edit, kEditX, top, phone ? kEditW - 88 : kEditW,
                              kRows[i].limit, phone ? 0u : ReadOnly);
    }
    all[3 + 2 * kRows.size()] = list(kNumbering, kEditX + kEditW - 84, y + 7 + 4 * kLine - 1, 84);
    return all;
}

constexpr std::array<ControlSpec, 5> folderAndButtons(int y) {
    return {ControlSpec{kSelectFolder, K::Button, "Select", 10, s(y), 70, kListH},
            edit(kFolder, 84, y + 1, kWidth - 94, kFolderLimit),
            ControlSpec{1, K::Button, "Generate", 56, s(y + 22), 84, 16, DefaultButton},
            ControlSpec{2, K::Button, "Exit", 152, s(y + 22), 84, 16},
            template_parts::loadFromCardButton(y + 38)};
}

constexpr auto mmsControls(const RemoteControlIds& remote, int remoteHeight) {
    constexpr int kTop = 14;
    const int pictures = kTop + 20;
    const int catalogue = pictures + 24;
    const int remoteY = catalogue + 42;
    const int texts = remoteY + remoteHeight;
    const int groupEnd = texts + kLine * 10 + 12;
    return join(
        std::array{ControlSpec{kGroup, K::GroupBox, "MMS", 4, 2, kWidth - 8, s(groupEnd - 2)}},
        listsRow(kTop), picturesRow(pictures), catalogueRows(catalogue), remoteRow(remote, remoteY),
        textRows(texts), folderAndButtons(groupEnd + 6));
}

constexpr auto kGenericControls = mmsControls(kGenericRemote, 24);
constexpr auto kP4Controls = mmsControls(kP4Remote, 24);

} // namespace

const DialogTemplate kMmsTemplate{130, "MMS", kWidth, 358 + template_parts::kLoadLineHeight,
                                  kGenericControls};
const DialogTemplate kP4MmsTemplate{142, "MMS", kWidth, 346 + template_parts::kLoadLineHeight,
                                    kP4Controls};

} // namespace quorvex::ui
