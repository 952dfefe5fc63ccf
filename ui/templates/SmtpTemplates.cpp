// SPDX-License-Identifier: MIT
#include "ui/templates/SmtpTemplates.h"
#include "card/SettingsFileSchema.h"

#include "ui/templates/SmtpIds.h"
#include "ui/templates/TemplateParts.h"

#include <array>

namespace quorvex::ui {

namespace {

using K = ControlKind;
using namespace style;
using namespace smtp_ids;

using template_parts::join;
using template_parts::label;
using template_parts::list;
using template_parts::s;

constexpr int kLabelW = 84;
constexpr int kEditX = 98;
constexpr int kListH = template_parts::kListHeight;
constexpr int kEditH = 12;
constexpr int kLine = 14;

constexpr ControlSpec edit(int id, int x, int y, int w, int limit, unsigned flags = 0) {
    return {id, K::Edit, "", s(x), s(y), s(w), kEditH, flags, limit};
}
constexpr ControlSpec frame(int id, std::string_view text, int y, int h, int width) {
    return {id, K::GroupBox, text, 6, s(y), s(width - 12), s(h)};
}

// A labelled edit inside a group.
struct Field {
    int label;
    std::string_view text;
    int edit, limit;
    unsigned flags = 0;
};
template <std::size_t N>
constexpr auto group(int id, std::string_view title, const std::array<Field, N>& fields, int y,
                     int width) {
    std::array<ControlSpec, 1 + 2 * N> all{};
    all[0] = frame(id, title, y, 12 + kLine * static_cast<int>(N), width);
    for (std::size_t i = 0; i < N; ++i) {
        const int top = y + 10 + kLine * static_cast<int>(i);
        all[1 + 2 * i] = label(fields[i].label, fields[i].text, 14, top + 1, kLabelW);
        all[2 + 2 * i] = edit(fields[i].edit, kEditX, top, width - kEditX - 14, fields[i].limit,
                              fields[i].flags);
    }
    return all;
}

// The rows above the groups: mode (and status), picture limit, country and operator, remote.
constexpr auto topRows(const FamilyIds& f, int width) {
    const int right = width / 2;
    return std::array<ControlSpec, 18>{
        frame(1094, "", 2, 22, width),
        label(kModeLabel, "Smtp Mode", 12, 9, 56),
        list(kMode, 70, 6, 70),
        f.status ? label(f.statusLabel, "Smtp Status", right, 9, 78)
                 : ControlSpec{kUnnamed, K::Static, "", s(right), 9, 1, 1, Hidden},
        f.status ? list(f.status, right + 80, 6, width - right - 92)
                 : ControlSpec{kUnnamed, K::Static, "", s(right), 9, 1, 1, Hidden},
        frame(1095, "", 26, 20, width),
        label(kPicturesLabel, "Picture No./day", 12, 33, 80),
        edit(kPicturesPerDay, kEditX, 31, 24, 0, DigitsOnly | Centred),
        label(kUnlimitedNote, "Note：0=Unlimited", kEditX + 30, 33, width - kEditX - 42),
        frame(1096, "", 48, 38, width),
        label(kCountryLabel, "Country", 12, 56, kLabelW),
        list(kCountry, kEditX, 53, width - kEditX - 14),
        label(kOperatorLabel, "Operator", 12, 72, kLabelW),
        list(kOperator, kEditX, 69, width - kEditX - 14),
        frame(f.status ? kUnnamed : 1131, "", 88, 20, width),
        label(f.remoteLabel, "SMS Remote Control", 12, 95, kLabelW),
        list(f.remote, kEditX, 92, 48),
        label(kHourLabel, "Hour", kEditX + 52, 95, 60)};
}

// The edits take what smtp.dat's text records take (the K4 form's e-mail edits fewer).
constexpr int limit(int record) {
    return textLimit(kSmtpTextRecords, record);
}

constexpr auto controls(const FamilyIds& f, int width) {
    constexpr int kGprs = 110;
    const int sender = kGprs + 12 + 3 * kLine + 2;
    const int recipients = sender + 12 + 4 * kLine + 2;
    const int sms = recipients + 12 + kLine + 2;
    const int folder = sms + 12 + kLine + 4;
    return join(
        topRows(f, width),
        group(f.gprsGroup, "GPRS Setting",
              std::array<Field, 3>{
                  {{kApnLabel, "APN", kApn, limit(1), ReadOnly},
                   {kAccountLabel, "Account", kAccount, limit(2), ReadOnly},
                   {kGprsPasswordLabel, "Password", kGprsPassword, limit(3), ReadOnly}}},
              kGprs, width),
        group(kSenderGroup, "Sender",
              std::array<Field, 4>{
                  {{kServerLabel, "Smtp Server", kServer, limit(4)},
                   {kPortLabel, "Port", kPort, limit(5)},
                   {kSenderEmailLabel, "Sender Email", kSenderEmail, f.emailLimit},
                   {kSenderPasswordLabel, "Password", kSenderPassword, limit(7), Password}}},
              sender, width),
        group(kRecipientsGroup, "Recipients",
              std::array<Field, 1>{{{kRecipientLabel, "Email01", kRecipient, f.emailLimit}}},
              recipients, width),
        group(f.smsGroup, "SMS",
              std::array<Field, 1>{{{f.phoneLabel, "Phone No", f.phone, limit(8)}}}, sms, width),
        std::array<ControlSpec, 5>{
            ControlSpec{kSelectFolder, K::Button, "Select", 10, s(folder), 70, kListH},
            edit(kFolder, 84, folder + 1, width - 94, 0),
            ControlSpec{kGenerate, K::Button, "Generate", s(width / 2 - 92), s(folder + 22), 84, 16,
                        DefaultButton},
            ControlSpec{2, K::Button, "Exit", s(width / 2 + 8), s(folder + 22), 84, 16},
            template_parts::loadFromCardButton(folder + 38)});
}

constexpr auto kP4Controls = controls(kP4, 292);
constexpr auto kK4Controls = controls(kK4, 286);

} // namespace

const DialogTemplate kP4SmtpTemplate{143, "SMTP", 292, 346 + template_parts::kLoadLineHeight,
                                     kP4Controls};
const DialogTemplate kK4SmtpTemplate{147, "SMTP", 286, 357 + template_parts::kLoadLineHeight,
                                     kK4Controls};

} // namespace quorvex::ui
