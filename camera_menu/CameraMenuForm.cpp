// SPDX-License-Identifier: MIT
#include "camera_menu/CameraMenuForm.h"

#include "camera_menu/CameraMenuTexts.h"
#include "camera_menu/FieldChecks.h"
#include "camera_menu/FormRecord.h"
#include "core/InfoMessages.h"
#include "core/Utf8.h"

#include <algorithm>

namespace quorvex::camera_menu {

namespace {

// Sets the flag for the lifetime of the scope and restores it afterwards.
class BusyScope final {
  public:
    explicit BusyScope(bool& flag) : m_flag(flag), m_previous(flag) { m_flag = true; }
    ~BusyScope() { m_flag = m_previous; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    bool& m_flag;
    bool m_previous;
};

} // namespace

CameraMenuForm::CameraMenuForm(AppContext& context, ClockFields& clock, CameraFormSpec spec)
    : m_context(context), m_clock(clock), m_spec(std::move(spec)) {
    for (const NumberEdit& edit : m_spec.numbers)
        m_numbers[edit.id] = edit.initial;
    readLocalClock(m_clock, m_context.host);
    m_texts[kIdClockText] = yearFirstClockText(m_clock);
    m_texts[kIdFolder] = m_context.host.defaultFolder();
}

int CameraMenuForm::heldNumber(int id) const {
    const auto found = m_numbers.find(id);
    return found == m_numbers.end() ? 0 : found->second;
}

const std::string& CameraMenuForm::heldText(int id) const {
    static const std::string kNone;
    const auto found = m_texts.find(id);
    return found == m_texts.end() ? kNone : found->second;
}

const NumberEdit* CameraMenuForm::numberEdit(int id) const {
    const auto found = std::find_if(m_spec.numbers.begin(), m_spec.numbers.end(),
                                    [id](const NumberEdit& e) { return e.id == id; });
    return found == m_spec.numbers.end() ? nullptr : &*found;
}

const SwitchRule* CameraMenuForm::switchRule(int list) const {
    const auto found = std::find_if(m_spec.switches.begin(), m_spec.switches.end(),
                                    [list](const SwitchRule& r) { return r.list == list; });
    return found == m_spec.switches.end() ? nullptr : &*found;
}

int CameraMenuForm::initialPosition(int list) const {
    for (const ListSpec& l : m_spec.lists)
        if (l.id == list)
            return l.initial;
    return -1;
}

void CameraMenuForm::onInit(ui::DialogWindow& w) {
    Dialog::onInit(w);
    const LanguageId lang = language();
    w.setIcon(ui::kWindowIcon);
    w.setTitle(modelTitle(m_context.state.modelId));
    for (const SwitchRule& rule : m_spec.switches)
        applySwitch(rule, initialPosition(rule.list));
    for (int id : m_spec.hidden)
        w.setVisible(id, false);
    for (const Move& move : m_spec.moves)
        w.moveBy(move.id, move.dxPixels, move.dyPixels);
    for (const ListSpec& list : m_spec.lists) {
        w.clearList(list.id);
        for (std::size_t i = 0; i < list.localized.size(); ++i)
            w.addItem(list.id, textFor(list.localized, lang, i));
        for (std::string_view text : list.plain)
            w.addItem(list.id, text);
        w.select(list.id, list.initial);
    }
    for (const LabelSpec& label : m_spec.labels)
        w.setText(label.id, textFor(*label.text, lang));
    // The framework shows the held values once the window exists.
    refresh();
}

bool CameraMenuForm::validate() {
    BusyScope busy(m_busy);
    ui::DialogWindow& w = window();
    ui::DialogHost& host = m_context.host;
    bool correctedAny = false;
    const auto stopAt = [&](int id) {
        w.setFocus(id);
        if (correctedAny)
            refresh();
        return false;
    };
    for (const ValidationStep& step : m_spec.validation) {
        const std::string text = w.text(step.id);
        switch (step.check) {
        case Check::Number: {
            const auto value = parseEditInteger(text);
            if (!value) {
                host.showValidationMessage(kFrameworkIntegerRequired);
                return stopAt(step.id);
            }
            m_numbers[step.id] = *value;
            const bool inRange = validateIntRange(*value, step.min, step.max, language(), host);
            // The field's own correction runs only when its own change started this pass;
            // otherwise Generate would hand the camera an impossible setting (an hour of 30, an
            // interval of 0 minutes), so correct whatever is taken over here in every case. The
            // controls are refreshed only once the pass ends, so fields it has still to read keep
            // what was typed into them.
            if (const NumberEdit* edit = numberEdit(step.id)) {
                const int corrected = correctedValue(*edit, *value, w.selected(kIdIntervalUnit));
                if (corrected != *value) {
                    m_numbers[step.id] = corrected;
                    correctedAny = true;
                }
            }
            if (!inRange)
                return stopAt(step.id);
            break;
        }
        case Check::Text:
            m_texts[step.id] = text;
            break;
        case Check::Folder:
            m_texts[step.id] = text;
            if (ui::utf8Length(text) > static_cast<std::size_t>(step.max)) {
                host.showValidationMessage(tooManyCharactersText(step.max));
                return stopAt(step.id);
            }
            break;
        }
    }
    if (correctedAny)
        refresh();
    return true;
}

void CameraMenuForm::refresh() {
    BusyScope busy(m_busy);
    for (const auto& [id, value] : m_numbers)
        window().setText(id, std::to_string(value));
    for (const auto& [id, text] : m_texts)
        window().setText(id, text);
}

void CameraMenuForm::applySwitch(const SwitchRule& rule, int position) {
    const bool off = position == rule.offPosition;
    for (int id : rule.controls) {
        if (rule.effect == SwitchEffect::ReadOnly)
            window().setReadOnly(id, off);
        else
            window().setEnabled(id, !off);
    }
}

void CameraMenuForm::applySwitches() {
    for (const SwitchRule& rule : m_spec.switches)
        applySwitch(rule, window().selected(rule.list));
}

void CameraMenuForm::onEditChange(int id) {
    if (m_busy || !isOpen())
        return;
    if (const NumberEdit* edit = numberEdit(id))
        reactToNumber(*edit);
}

int CameraMenuForm::correctedValue(const NumberEdit& edit, int value, int unit) {
    switch (edit.correction) {
    case Correction::None:
        break;
    case Correction::VideoLength:
        if (value > 60 || value == 0)
            value = 10;
        break;
    case Correction::Interval:
        if (unit == kUnitMinute && value == 0)
            value = 1;
        if (value > 60)
            value = 1;
        break;
    case Correction::Hour:
        if (value > 23)
            value = 0;
        break;
    case Correction::MinuteOrSecond:
        if (value > 59)
            value = 0;
        break;
    }
    return value;
}

void CameraMenuForm::reactToNumber(const NumberEdit& edit) {
    if (edit.correction == Correction::None)
        return;
    const int unit =
        window().selected(kIdIntervalUnit); // read before the pass, as the camera forms do
    validate();
    const int held = heldNumber(edit.id);
    const int value = correctedValue(edit, held, unit);
    if (value != held) {
        m_numbers[edit.id] = value;
        refresh();
    }
}

void CameraMenuForm::onListPick(int id) {
    if (m_busy || !isOpen())
        return;
    if (id == kIdIntervalUnit) {
        const int unit = window().selected(kIdIntervalUnit);
        validate();
        if (unit == kUnitMinute && heldNumber(kIdIntervalValue) == 0) {
            m_numbers[kIdIntervalValue] = 1;
            refresh();
        }
    } else if (const SwitchRule* rule = switchRule(id)) {
        if (rule->validates)
            validate();
        applySwitch(*rule, window().selected(id));
        if (rule->validates)
            refresh();
    } else if (id == kIdDateFormat) {
        getTime();
    } else if (std::find(m_spec.validatingLists.begin(), m_spec.validatingLists.end(), id) !=
               m_spec.validatingLists.end()) {
        validate();
    }
}

void CameraMenuForm::onClick(int id) {
    if (!isOpen())
        return;
    switch (id) {
    case ui::kIdOk:
        generate();
        break;
    case kIdDefault:
        writeFactoryRecord();
        break;
    case kIdGetTime:
        getTime();
        break;
    case kIdSelectFolder:
        chooseFolder();
        break;
    default:
        Dialog::onClick(id);
        break;
    }
}

void CameraMenuForm::getTime() {
    readLocalClock(m_clock, m_context.host);
    if (auto text = clockText(m_clock, window().selected(kIdDateFormat)))
        m_texts[kIdClockText] = std::move(*text);
    refresh();
}

void CameraMenuForm::chooseFolder() {
    const auto chosen = m_context.host.chooseFolder();
    m_texts[kIdFolder] = chosen && !chosen->empty() ? *chosen : m_context.host.defaultFolder();
    refresh();
}

MenuValues CameraMenuForm::recordValues() const {
    MenuValues values;
    for (const RecordSource& source : m_spec.record) {
        const auto held = m_numbers.find(source.control);
        values.values[source.field] =
            held != m_numbers.end() ? held->second : window().selected(source.control);
    }
    values.intervalUnit = window().selected(kIdIntervalUnit);
    values.values[MenuField::ClockYear] = m_clock.year;
    values.values[MenuField::ClockMonth] = m_clock.month;
    values.values[MenuField::ClockDay] = m_clock.day;
    values.values[MenuField::ClockHour] = m_clock.hour;
    values.values[MenuField::ClockMinute] = m_clock.minute;
    values.values[MenuField::ClockSecond] = m_clock.second;
    values.values[MenuField::CameraLanguage] = m_context.state.cameraLanguage();
    values.values[MenuField::TvMode] = m_context.state.tvMode;
    addRecordValues(values);
    return values;
}

void CameraMenuForm::generate() {
    const std::string folder =
        m_spec.generateUsesFolderText ? window().text(kIdFolder) : heldText(kIdFolder);
    writeMenuFile(buildFormRecord(*m_spec.layout, recordValues()), folder,
                  RecordKind::Configuration, m_spec.messages, language(), m_context.host);
}

void CameraMenuForm::writeFactoryRecord() {
    const FactoryRule& rule = m_spec.factory;
    std::string folder = heldText(kIdFolder);
    validate(); // the outcome does not matter: the factory record does not depend on the fields
    if (!rule.folderBeforeValidate)
        folder = heldText(kIdFolder);
    for (const Selection& s : rule.selections)
        window().select(s.list, s.position);
    for (const ValueReset& v : rule.values)
        m_numbers[v.edit] = v.value;
    applySwitches();
    refresh();
    const MenuValues values = recordValues();
    const CameraSettingsRecord record = rule.source == FactorySource::Form
                                            ? buildFormRecord(*m_spec.layout, values)
                                            : buildPatternRecord(*m_spec.layout, values);
    writeMenuFile(record, folder, RecordKind::FactorySettings, m_spec.messages, language(),
                  m_context.host);
}

} // namespace quorvex::camera_menu
