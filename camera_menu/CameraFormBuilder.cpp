// SPDX-License-Identifier: MIT
#include "camera_menu/CameraFormBuilder.h"

#include "camera_menu/CameraVariantTexts.h"

#include <tuple>

namespace quorvex::camera_menu {

namespace ids = ui::camera_ids;
using ui::above;
using ui::equals;

CameraFormBuilder::CameraFormBuilder(std::string_view className,
                                     const ui::DialogTemplate& dialogTemplate,
                                     const RecordLayout& layout, const MenuMessages& messages) {
    m_spec.className = className;
    m_spec.dialogTemplate = &dialogTemplate;
    m_spec.layout = &layout;
    m_spec.messages = messages;
}

const LayoutField& CameraFormBuilder::layoutField(MenuField which) const {
    return *findField(*m_spec.layout, which);
}

void CameraFormBuilder::number(int id, const LayoutField& range, int initial,
                               std::initializer_list<ui::Correction> rules) {
    m_spec.form.fields.push_back(ui::numberField(id, range.min, range.max, initial));
    m_spec.form.corrections.insert(m_spec.form.corrections.end(), rules);
}

void CameraFormBuilder::list(int id, OptionList options, int initial) {
    m_spec.lists.push_back({id, options, {}, initial});
}

CameraFormBuilder& CameraFormBuilder::captureRows(OptionList modes, SizeOpenings sizes) {
    list(ids::kModeRow.control, modes, 0);
    // The size lists read the same in every language: the layout's names of the stored positions.
    for (const auto& [row, field, opening] :
         {std::tuple{ids::kImageSizeRow, MenuField::ImageSize, sizes.image},
          std::tuple{ids::kVideoSizeRow, MenuField::VideoSize, sizes.video}})
        m_spec.lists.push_back({row.control, {}, layoutField(field).options, opening});
    list(ids::kPictureCountRow.control, kOptionsPictureCount, 0);
    list(ids::kTimeStampRow.control, kOnOffReversed, 0);
    list(ids::kSensitivityRow.control, kOptionsSensitivity, 0);
    list(ids::kIntervalRow.control, kOptionsIntervalUnit, ids::kUnitMinute);
    m_spec.labels.insert(m_spec.labels.end(), {{ids::kModeRow.label, &kLabelMode},
                                               {ids::kImageSizeRow.label, &kLabelImageSize},
                                               {ids::kVideoSizeRow.label, &kLabelVideoSize},
                                               {ids::kPictureCountRow.label, &kLabelPictureNo},
                                               {ids::kTimeStampRow.label, &kLabelTimeStamp},
                                               {ids::kSensitivityRow.label, &kLabelSensorLevel},
                                               {ids::kVideoLengthRow.label, &kLabelVideoLength},
                                               {ids::kVideoLengthRow.companion, &kUnitSeconds},
                                               {ids::kIntervalRow.label, &kLabelInterval}});
    // Video length: 0 or more than a minute becomes 10 seconds.
    const int length = ids::kVideoLengthRow.control;
    const LayoutField& lengthRange = layoutField(MenuField::VideoLength);
    number(length, lengthRange, 10, {above(length, lengthRange.max, 10), equals(length, 0, 10)});
    // Interval: 0 minutes is no interval the camera knows, so it becomes 1; so does anything
    // above 60 in either unit.
    const int interval = ids::kIntervalRow.companion;
    const LayoutField& intervalRange = layoutField(MenuField::Interval);
    number(interval, intervalRange, 1,
           {ui::when(equals(interval, 0, 1),
                     ui::listShows(ids::kIntervalRow.control, ids::kUnitMinute)),
            above(interval, intervalRange.max, 1)});
    m_spec.reactions.insert(m_spec.reactions.end(),
                            {{ids::kModeRow.control},
                             {ids::kImageSizeRow.control},
                             {ids::kIntervalRow.control, ids::kIntervalRow.companion}});
    m_spec.record.insert(m_spec.record.end(),
                         {{MenuField::Mode, ids::kModeRow.control},
                          {MenuField::ImageSize, ids::kImageSizeRow.control},
                          {MenuField::VideoSize, ids::kVideoSizeRow.control},
                          {MenuField::PictureCount, ids::kPictureCountRow.control},
                          {MenuField::VideoLength, ids::kVideoLengthRow.control},
                          {MenuField::TimeStamp, ids::kTimeStampRow.control},
                          {MenuField::Interval, ids::kIntervalRow.companion},
                          {MenuField::Sensitivity, ids::kSensitivityRow.control}});
    m_blockSelections.insert(m_blockSelections.end(),
                             {{ids::kModeRow.control, 0},
                              {ids::kPictureCountRow.control, 0},
                              {ids::kTimeStampRow.control, 0},
                              {ids::kSensitivityRow.control, 0},
                              {ids::kIntervalRow.control, ids::kUnitMinute}});
    return *this;
}

CameraFormBuilder& CameraFormBuilder::optionRow(const ids::RowIds& row, const LocalizedText& text,
                                                OptionList options, int initial, MenuField field) {
    list(row.control, options, initial);
    m_spec.labels.push_back({row.label, &text});
    m_spec.record.push_back({field, row.control});
    return *this;
}

CameraFormBuilder& CameraFormBuilder::clock(bool plainDateFormats) {
    if (!plainDateFormats) {
        optionRow(ids::kDateFormatRow, kLabelDateFormat, kOptionsDateFormat, 1,
                  MenuField::DateFormat);
    } else {
        m_spec.lists.push_back(
            {ids::kDateFormatRow.control, {}, layoutField(MenuField::DateFormat).options, 1});
        m_spec.labels.push_back({ids::kDateFormatRow.label, &kLabelDateFormat});
        m_spec.record.push_back({MenuField::DateFormat, ids::kDateFormatRow.control});
    }
    m_spec.labels.insert(m_spec.labels.end(), {{ids::kClock.label, &kLabelSetClock},
                                               {ids::kClock.getTime, &kButtonGetTime}});
    m_spec.form.fields.push_back(ui::textField(ids::kClock.text));
    m_spec.reactions.push_back({ids::kDateFormatRow.control, 0, ids::kClock.getTime});
    m_blockSelections.push_back({ids::kDateFormatRow.control, 1});
    return *this;
}

CameraFormBuilder& CameraFormBuilder::timer(const ids::TimerIds& t, const LocalizedText& title,
                                            TimerSlot slot) {
    list(t.list, kOnOff, 0);
    m_spec.labels.insert(m_spec.labels.end(), {{t.label, &title},
                                               {t.startLabel, &kLabelStart},
                                               {t.startHourLabel, &kUnitClockHours},
                                               {t.startMinuteLabel, &kUnitMinutes},
                                               {t.stopLabel, &kLabelStop},
                                               {t.stopHourLabel, &kUnitClockHours},
                                               {t.stopMinuteLabel, &kUnitMinutes}});
    const bool one = slot == TimerSlot::One;
    // The edits in record order: start hour and minute, stop hour and minute.
    const std::array<RecordSource, 4> times{
        {{one ? MenuField::Timer1StartHour : MenuField::Timer2StartHour, t.startHour},
         {one ? MenuField::Timer1StartMinute : MenuField::Timer2StartMinute, t.startMinute},
         {one ? MenuField::Timer1StopHour : MenuField::Timer2StopHour, t.stopHour},
         {one ? MenuField::Timer1StopMinute : MenuField::Timer2StopMinute, t.stopMinute}}};
    // A value past the end of its range becomes 0; hours come first.
    for (std::size_t i : {0u, 2u, 1u, 3u}) {
        const LayoutField& range = layoutField(times[i].field);
        number(times[i].control, range, 0, {above(times[i].control, range.max, 0)});
    }
    std::vector<int> edits{t.startHour, t.startMinute, t.stopHour, t.stopMinute};
    m_spec.switches.push_back({t.list, 0, edits});
    m_spec.record.push_back({one ? MenuField::Timer1 : MenuField::Timer2, t.list});
    m_spec.record.insert(m_spec.record.end(), times.begin(), times.end());
    if (one)
        m_timer1 = &t;
    m_timerEdits[one ? 0 : 1] = std::move(edits);
    return *this;
}

CameraFormBuilder& CameraFormBuilder::serialNumber() {
    list(ids::kSerial.list, kOnOff, 0);
    m_spec.labels.push_back({ids::kSerial.label, &kLabelSerialNo});
    std::vector<int> chars;
    constexpr MenuField kFields[4]{MenuField::SerialChar1, MenuField::SerialChar2,
                                   MenuField::SerialChar3, MenuField::SerialChar4};
    m_spec.record.push_back({MenuField::SerialNumber, ids::kSerial.list});
    for (std::size_t i = 0; i < 4; ++i) {
        const int id = ids::kSerial.characters[i];
        m_spec.lists.push_back({id, {}, layoutField(kFields[i]).options, 0});
        m_spec.record.push_back({kFields[i], id});
        m_blockSelections.push_back({id, 0});
        chars.push_back(id);
    }
    m_spec.switches.push_back({ids::kSerial.list, 0, std::move(chars), SwitchEffect::Disabled});
    return *this;
}

CameraFormBuilder& CameraFormBuilder::timeLapse() {
    const ids::TimeLapseIds& t = ids::kTimeLapse;
    list(t.list, kOnOffReversed, 1); // Time Lapse reads On, Off
    m_spec.labels.insert(m_spec.labels.end(), {{t.label, &kLabelTimeLapse},
                                               {t.hoursLabel, &kLabelHour},
                                               {t.minutesLabel, &kUnitMinutes},
                                               {t.secondsLabel, &kUnitSeconds}});
    const std::array<RecordSource, 3> parts{{{MenuField::TimeLapseHours, t.hours},
                                             {MenuField::TimeLapseMinutes, t.minutes},
                                             {MenuField::TimeLapseSeconds, t.seconds}}};
    for (const RecordSource& part : parts) {
        const LayoutField& range = layoutField(part.field);
        number(part.control, range, 0, {above(part.control, range.max, 0)});
    }
    m_spec.switches.push_back({t.list, 1, {t.hours, t.minutes, t.seconds}});
    m_spec.record.push_back({MenuField::TimeLapse, t.list});
    m_spec.record.insert(m_spec.record.end(), parts.begin(), parts.end());
    return *this;
}

CameraFormBuilder& CameraFormBuilder::folderAndButtons() {
    m_spec.form.fields.push_back(ui::textField(ids::kFolderRow.folder, ids::kFolderRow.limit));
    m_spec.form.folderField = ids::kFolderRow.folder;
    m_spec.form.fileName = kMenuFileName;
    m_spec.form.writeButtons = {ui::kIdOk, ids::kDefault};
    m_spec.labels.insert(m_spec.labels.end(), {{ids::kFolderRow.select, &kButtonSelect},
                                               {ui::kIdOk, &kButtonGenerate},
                                               {ids::kDefault, &kButtonDefault},
                                               {ui::kIdCancel, &kButtonExit}});
    return *this;
}

CameraFormBuilder& CameraFormBuilder::exchangeOrder(const Timer2Order& timer2) {
    const ids::TimerIds& t1 = m_timer1 ? *m_timer1 : ids::kTimer1;
    const ids::TimeLapseIds& lapse = ids::kTimeLapse;
    m_spec.form.order = {ids::kVideoLengthRow.control,
                         ids::kIntervalRow.companion,
                         lapse.minutes,
                         lapse.seconds,
                         lapse.hours,
                         t1.stopMinute,
                         t1.stopHour,
                         t1.startHour,
                         t1.startMinute};
    if (m_coordinates)
        for (const ids::k9::CoordinateIds& c : {ids::k9::kLongitude, ids::k9::kLatitude})
            m_spec.form.order.insert(m_spec.form.order.end(), {c.degrees, c.minutes, c.seconds});
    m_spec.form.order.insert(m_spec.form.order.end(), {ids::kClock.text, ids::kFolderRow.folder});
    m_spec.form.order.insert(m_spec.form.order.end(), timer2.begin(), timer2.end());
    return *this;
}

CameraFormBuilder& CameraFormBuilder::coordinates() {
    using ids::k9::CoordinateIds;
    struct Row {
        const CoordinateIds& ids;
        const LocalizedText& label;
        OptionList directions;
        std::array<MenuField, 4> fields;
    };
    const std::array<Row, 2> rows{Row{ids::k9::kLongitude,
                                      kLabelLongitude,
                                      kOptionsLongitudeDirection,
                                      {MenuField::LongitudeDirection, MenuField::LongitudeDegrees,
                                       MenuField::LongitudeMinutes, MenuField::LongitudeSeconds}},
                                  Row{ids::k9::kLatitude,
                                      kLabelLatitude,
                                      kOptionsLatitudeDirection,
                                      {MenuField::LatitudeDirection, MenuField::LatitudeDegrees,
                                       MenuField::LatitudeMinutes, MenuField::LatitudeSeconds}}};
    for (const Row& r : rows) {
        const CoordinateIds& c = r.ids;
        list(c.direction, r.directions, 0);
        m_spec.labels.push_back({c.label, &r.label});
        // Past the end (180 east or west, 90 north or south) the position is the end itself; at
        // the end there are no minutes or seconds.
        const LayoutField& degrees = layoutField(r.fields[1]);
        const int end = degrees.max;
        ui::Correction pastEnd = above(c.degrees, end, end);
        pastEnd.sets[1] = {c.minutes, 0};
        pastEnd.sets[2] = {c.seconds, 0};
        ui::Correction atEnd = equals(c.degrees, end, 0);
        atEnd.sets = {{{c.minutes, 0}, {c.seconds, 0}}};
        number(c.degrees, degrees, 0, {pastEnd, atEnd, ui::below(c.degrees, 0, 0)});
        for (const auto& [part, partField] :
             {std::pair{c.minutes, r.fields[2]}, std::pair{c.seconds, r.fields[3]}}) {
            const LayoutField& range = layoutField(partField);
            number(part, range, 0,
                   {ui::when(above(part, range.max, range.max), ui::fieldIsNot(c.degrees, end)),
                    ui::when(ui::below(part, 0, 0), ui::fieldIsNot(c.degrees, end)),
                    ui::when(above(part, 0, 0), ui::fieldIs(c.degrees, end))});
        }
        const std::array<int, 4> controls{c.direction, c.degrees, c.minutes, c.seconds};
        for (std::size_t i = 0; i < 4; ++i)
            m_spec.record.push_back({r.fields[i], controls[i]});
    }
    const ids::k9::CoordinateHeads& h = ids::k9::kCoordinateHeads;
    m_spec.labels.insert(m_spec.labels.end(), {{h.title, &kLabelCoordinate},
                                               {h.direction, &kLabelDirection},
                                               {h.degree, &kLabelDegree},
                                               {h.minute, &kLabelMinute},
                                               {h.second, &kLabelSecond}});
    m_coordinates = true;
    return *this;
}

CameraFormBuilder& CameraFormBuilder::wirelessCode(std::string_view defaultCode) {
    const ids::d2::WirelessIds& w = ids::d2::kWireless;
    list(w.list, kOnOff, 0);
    m_spec.labels.push_back({w.label, &kLabelWirelessPwd});
    m_spec.texts.push_back({w.code, defaultCode});
    // The code is not the form's: a pick only locks or unlocks the edit.
    m_spec.switches.push_back({w.list, 0, {w.code}, SwitchEffect::ReadOnly, false});
    constexpr std::array<MenuField, 4> kDigits{MenuField::WirelessDigit1, MenuField::WirelessDigit2,
                                               MenuField::WirelessDigit3,
                                               MenuField::WirelessDigit4};
    for (int i = 0; i < 4; ++i)
        m_spec.record.push_back({kDigits[static_cast<std::size_t>(i)], w.code, i});
    m_spec.record.push_back({MenuField::WirelessSwitch, w.list});
    return *this;
}

CameraFormBuilder& CameraFormBuilder::alwaysRefresh(std::initializer_list<int> ids) {
    m_spec.alwaysRefresh.insert(m_spec.alwaysRefresh.end(), ids);
    return *this;
}

CameraFormBuilder& CameraFormBuilder::factoryTyped(std::vector<ControlText> typed) {
    m_spec.factory.typed = std::move(typed);
    return *this;
}

CameraFormBuilder& CameraFormBuilder::commonGroups(const ids::TimerIds& timer1,
                                                   const ids::TimerIds& timer2,
                                                   const Timer2Order& timer2Order,
                                                   const LocalizedText& timer1Title,
                                                   bool plainDateFormats) {
    return clock(plainDateFormats)
        .timer(timer1, timer1Title, TimerSlot::One)
        .timer(timer2, kLabelTimer2, TimerSlot::Two)
        .serialNumber()
        .timeLapse()
        .folderAndButtons()
        .exchangeOrder(timer2Order);
}

CameraFormBuilder& CameraFormBuilder::hide(std::initializer_list<int> hidden) {
    m_spec.hidden = hidden;
    return *this;
}

CameraFormBuilder& CameraFormBuilder::moveRows(std::span<const ids::RowIds> rows,
                                               int (*dy)(int n)) {
    for (std::size_t n = 0; n < rows.size(); ++n) {
        const ids::RowIds& row = rows[n];
        for (int id : {row.frame, row.label, row.control, row.companion})
            if (id != 0)
                m_spec.moves.push_back({id, 0, dy(static_cast<int>(n))});
    }
    return *this;
}

CameraFormBuilder& CameraFormBuilder::moves(std::vector<Move> moves) {
    m_spec.moves.insert(m_spec.moves.end(), moves.begin(), moves.end());
    return *this;
}

CameraFormBuilder& CameraFormBuilder::factory(FactorySource source,
                                              std::initializer_list<Selection> selections,
                                              FactoryResets resets) {
    FactoryRule& rule = m_spec.factory;
    rule.source = source;
    rule.selections = m_blockSelections;
    rule.selections.insert(rule.selections.end(), selections);
    const ids::TimeLapseIds& lapse = ids::kTimeLapse;
    rule.resets = {ids::kVideoLengthRow.control, lapse.hours, lapse.minutes, lapse.seconds};
    rule.resets.insert(rule.resets.end(), m_timerEdits[0].begin(), m_timerEdits[0].end());
    if (resets.timer2)
        rule.resets.insert(rule.resets.end(), m_timerEdits[1].begin(), m_timerEdits[1].end());
    if (resets.interval)
        rule.resets.push_back(ids::kIntervalRow.companion);
    return *this;
}

CameraFormBuilder genericFamily(std::string_view className, const ui::DialogTemplate& dialog,
                                int modelId, const LocalizedText& timer1Title) {
    const ModelFacts& model = modelFacts(modelId);
    CameraFormBuilder form(className, dialog, menuLayout(model.layout), kCameraMenuMessages);
    form.captureRows(captureModeOptions(modelId), model.sizes)
        .commonGroups(ids::kTimer1, ids::generic::kTimer2, kGenericTimer2Order, timer1Title);
    return form;
}

CameraFormBuilder p4Family(std::string_view className, const ui::DialogTemplate& dialog,
                           int modelId) {
    const ModelFacts& model = modelFacts(modelId);
    CameraFormBuilder form(className, dialog, menuLayout(model.layout), kP4MenuMessages);
    form.captureRows(kOptionsCaptureMode, model.sizes)
        .optionRow(ids::p4::kBeepRow, kLabelBeepSound, kOnOff, 1, MenuField::Beep)
        .optionRow(ids::p4::kSdCycleRow, kLabelSdCycle, kOnOff, 0, MenuField::SdCycle)
        .commonGroups(ids::p4::kTimer1, ids::p4::kTimer2, kP4Timer2Order);
    return form;
}

} // namespace quorvex::camera_menu
