// SPDX-License-Identifier: MIT
#include "ui/templates/AccessibleNames.h"

#include "ui/templates/AccessibleNameTexts.h"
#include "ui/templates/CameraMenuIds.h"
#include "ui/templates/MmsIds.h"
#include "ui/templates/SmtpIds.h"

#include <map>
#include <vector>

namespace quorvex::ui {

namespace {

namespace n = accessible_names;

struct Row {
    int control;
    const LocalizedText* name;
    int labelledBy = 0, describedBy = 0, group = 0;
};
using Rows = std::vector<Row>;

void append(Rows& to, const Rows& more) {
    to.insert(to.end(), more.begin(), more.end());
}

// Camera menus.

Row option(const camera_ids::RowIds& r, const LocalizedText& name) {
    return {r.control, &name, r.label};
}

Rows captureRows() {
    using namespace camera_ids;
    return {option(kModeRow, n::kCaptureMode),
            option(kImageSizeRow, n::kImageSize),
            option(kVideoSizeRow, n::kVideoSize),
            option(kPictureCountRow, n::kPicturesPerTrigger),
            option(kTimeStampRow, n::kTimeStamp),
            option(kSensitivityRow, n::kPirSensitivity),
            {kVideoLengthRow.control, &n::kVideoLength, kVideoLengthRow.label,
             kVideoLengthRow.companion},
            {kIntervalRow.control, &n::kIntervalUnit, kIntervalRow.label, 0, kIntervalRow.label},
            {kIntervalRow.companion, &n::kIntervalValue, kIntervalRow.label, 0, kIntervalRow.label},
            option(kDateFormatRow, n::kDateFormat)};
}

struct TimerNames {
    const LocalizedText &timer, &startHour, &startMinute, &stopHour, &stopMinute;
};
constexpr TimerNames kTimer1Names{n::kTimer1, n::kTimer1StartHour, n::kTimer1StartMinute,
                                  n::kTimer1StopHour, n::kTimer1StopMinute};
constexpr TimerNames kTimer2Names{n::kTimer2, n::kTimer2StartHour, n::kTimer2StartMinute,
                                  n::kTimer2StopHour, n::kTimer2StopMinute};

Rows timerRows(const camera_ids::TimerIds& t, const TimerNames& names) {
    return {{t.list, &names.timer, t.label},
            {t.startHour, &names.startHour, t.startLabel, t.startHourLabel, t.label},
            {t.startMinute, &names.startMinute, t.startLabel, t.startMinuteLabel, t.label},
            {t.stopHour, &names.stopHour, t.stopLabel, t.stopHourLabel, t.label},
            {t.stopMinute, &names.stopMinute, t.stopLabel, t.stopMinuteLabel, t.label}};
}

Rows lowerRows(const camera_ids::TimerIds& timer1, const camera_ids::TimerIds& timer2) {
    using namespace camera_ids;
    Rows rows{{kClock.text, &n::kCameraClock, kClock.label}};
    append(rows, timerRows(timer1, kTimer1Names));
    append(rows, timerRows(timer2, kTimer2Names));
    const SerialIds& s = kSerial;
    const LocalizedText* digits[] = {&n::kSerialDigit1, &n::kSerialDigit2, &n::kSerialDigit3,
                                     &n::kSerialDigit4};
    rows.push_back({s.list, &n::kSerial, s.label});
    for (std::size_t i = 0; i < s.characters.size(); ++i)
        rows.push_back({s.characters[i], digits[i], 0, 0, s.label});
    const TimeLapseIds& l = kTimeLapse;
    append(rows, {{l.list, &n::kTimeLapse, l.label},
                  {l.hours, &n::kTimeLapseHours, 0, l.hoursLabel, l.label},
                  {l.minutes, &n::kTimeLapseMinutes, 0, l.minutesLabel, l.label},
                  {l.seconds, &n::kTimeLapseSeconds, 0, l.secondsLabel, l.label},
                  {kFolderRow.folder, &n::kOutputFolder}});
    return rows;
}

Rows coordinateRows() {
    using namespace camera_ids::k9;
    const CoordinateHeads& h = kCoordinateHeads;
    auto line = [&h](const CoordinateIds& c, const LocalizedText& direction,
                     const LocalizedText& degrees, const LocalizedText& minutes,
                     const LocalizedText& seconds) {
        return Rows{{c.direction, &direction, c.label, h.direction, h.title},
                    {c.degrees, &degrees, c.label, h.degree, h.title},
                    {c.minutes, &minutes, c.label, h.minute, h.title},
                    {c.seconds, &seconds, c.label, h.second, h.title}};
    };
    Rows rows = line(kLongitude, n::kLongitudeDirection, n::kLongitudeDegrees, n::kLongitudeMinutes,
                     n::kLongitudeSeconds);
    append(rows, line(kLatitude, n::kLatitudeDirection, n::kLatitudeDegrees, n::kLatitudeMinutes,
                      n::kLatitudeSeconds));
    return rows;
}

Rows cameraRows(const Rows& own, const camera_ids::TimerIds& timer1,
                const camera_ids::TimerIds& timer2) {
    Rows rows = captureRows();
    append(rows, own);
    append(rows, lowerRows(timer1, timer2));
    return rows;
}

// MMS and SMTP forms.

Rows mmsRows(const mms_ids::RemoteControlIds& remote) {
    using namespace mms_ids;
    return {{kMode, &n::kMmsMode, kModeLabel},
            {kSend, &n::kMmsSending, kSendLabel},
            {kPicturesPerDay, &n::kPicturesPerDay, kPicturesLabel, kUnlimitedNote},
            {kCountry, &n::kCountry, kCountryLabel},
            {kOperator, &n::kOperator, kOperatorLabel},
            {remote.list, &n::kRemoteControl, remote.label, kHourLabel},
            {kConnection, &n::kConnectionType, 0, 0, kGroup},
            {kApn, &n::kApn, 0, 0, kGroup},
            {kUrl, &n::kMmscUrl, kUrlLabel, 0, kGroup},
            {kGateway, &n::kGateway, kGatewayLabel, 0, kGroup},
            {kPort, &n::kPort, kPortLabel, 0, kGroup},
            {kPhoneNo, &n::kPhoneNumber, kPhoneNoLabel, 0, kGroup},
            {kNumbering, &n::kNumberFormat, 0, 0, kGroup},
            {kEmail, &n::kEmail, kEmailLabel, 0, kGroup},
            {kAccount, &n::kAccount, kAccountLabel, 0, kGroup},
            {kPassword, &n::kPassword, kPasswordLabel, 0, kGroup},
            {kRecipient2, &n::kRecipient2, kRecipient2Label, 0, kGroup},
            {kRecipient3, &n::kRecipient3, kRecipient3Label, 0, kGroup},
            {kFolder, &n::kOutputFolder}};
}

Rows smtpRows(const smtp_ids::FamilyIds& f) {
    using namespace smtp_ids;
    Rows rows{{kMode, &n::kSmtpMode, kModeLabel},
              {kPicturesPerDay, &n::kPicturesPerDay, kPicturesLabel, kUnlimitedNote},
              {kCountry, &n::kCountry, kCountryLabel},
              {kOperator, &n::kOperator, kOperatorLabel},
              {f.remote, &n::kRemoteControl, f.remoteLabel, kHourLabel},
              {kApn, &n::kApn, kApnLabel, 0, f.gprsGroup},
              {kAccount, &n::kGprsAccount, kAccountLabel, 0, f.gprsGroup},
              {kGprsPassword, &n::kGprsPassword, kGprsPasswordLabel, 0, f.gprsGroup},
              {kServer, &n::kSmtpServer, kServerLabel, 0, kSenderGroup},
              {kPort, &n::kPort, kPortLabel, 0, kSenderGroup},
              {kSenderEmail, &n::kSenderEmail, kSenderEmailLabel, 0, kSenderGroup},
              {kSenderPassword, &n::kSenderPassword, kSenderPasswordLabel, 0, kSenderGroup},
              {kRecipient, &n::kRecipientEmail, kRecipientLabel, 0, kRecipientsGroup},
              {f.phone, &n::kSmsPhone, f.phoneLabel, 0, f.smsGroup},
              {kFolder, &n::kOutputFolder}};
    if (f.status)
        rows.push_back({f.status, &n::kSmtpSending, f.statusLabel});
    return rows;
}

const std::map<int, Rows>& tables() {
    using namespace camera_ids;
    static const std::map<int, Rows> kTables{
        {102, {{1080, &n::kLanguage, 1078}, {1081, &n::kCameraModel, 1079}}},
        {100, {}},
        {129,
         cameraRows({option(kSidePirRow, n::kSidePir), option(generic::kSdCycleRow, n::kSdCycle)},
                    kTimer1, generic::kTimer2)},
        {140, cameraRows({option(kSidePirRow, n::kSidePir), option(p4::kBeepRow, n::kBeepSound),
                          option(p4::kSdCycleRow, n::kSdCycle),
                          option(p4::kPirDirRow, n::kPirDirection)},
                         p4::kTimer1, p4::kTimer2)},
        {148, cameraRows({}, kTimer1, generic::kTimer2)},
        {157,
         cameraRows({option(p4::kBeepRow, n::kBeepSound), option(p4::kSdCycleRow, n::kSdCycle)},
                    p4::kTimer1, p4::kTimer2)},
        {149,
         [] {
             Rows own{option(k9::kSdCycleRow, n::kSdCycle), option(k9::kSidePirRow, n::kSidePir)};
             append(own, coordinateRows());
             return cameraRows(own, kTimer1, generic::kTimer2);
         }()},
        {163, cameraRows({{d2::kWireless.list, &n::kWireless, d2::kWireless.label},
                          {d2::kWireless.code, &n::kWirelessCode, 0, 0, d2::kWireless.label}},
                         kTimer1, generic::kTimer2)},
        {130, mmsRows(mms_ids::kGenericRemote)},
        {142, mmsRows(mms_ids::kP4Remote)},
        {143, smtpRows(smtp_ids::kP4)},
        {147, smtpRows(smtp_ids::kK4)},
    };
    return kTables;
}

const Row* find(int templateId, int controlId) {
    const auto& all = tables();
    const auto it = all.find(templateId);
    if (it == all.end())
        return nullptr;
    for (const Row& row : it->second)
        if (row.control == controlId)
            return &row;
    return nullptr;
}

} // namespace

std::optional<AccessibleInfo> accessibleInfo(int templateId, int controlId, LanguageId language) {
    const Row* row = find(templateId, controlId);
    if (!row)
        return std::nullopt;
    return AccessibleInfo{(*row->name)[language], row->labelledBy, row->describedBy, row->group};
}

std::string_view accessibleName(int templateId, const ControlSpec& control, LanguageId language,
                                std::string_view currentText) {
    if (control.kind == ControlKind::Edit || control.kind == ControlKind::List)
        if (const Row* row = find(templateId, control.id))
            return (*row->name)[language];
    return currentText;
}

int labelledField(int templateId, int staticId) {
    const auto& all = tables();
    const auto it = all.find(templateId);
    if (it == all.end() || staticId == kUnnamed || staticId == 0)
        return 0;
    for (const Row& row : it->second)
        if (row.labelledBy == staticId)
            return row.control;
    return 0;
}

} // namespace quorvex::ui
