// SPDX-License-Identifier: MIT
#include "camera_menu/CameraMenuForm.h"

#include "camera_menu/CameraMenuTexts.h"
#include "card/MenuFileReader.h"
#include "ui/templates/CameraMenuIds.h"

#include <algorithm>
#include <map>
#include <string>

namespace quorvex::camera_menu {

namespace ids = ui::camera_ids;

namespace {

// The form writes what it holds; nothing it holds is refused.
constexpr OutOfRange kLowBits = OutOfRange::StoreLowBits;

template <typename Row> const Row* findRow(const std::vector<Row>& rows, int list) {
    const auto found =
        std::find_if(rows.begin(), rows.end(), [list](const Row& r) { return r.list == list; });
    return found == rows.end() ? nullptr : &*found;
}

} // namespace

CameraMenuForm::CameraMenuForm(AppContext& context, ClockFields& clock, CameraFormSpec spec)
    : FormBase(context.host, context.state.languageId, spec.form, *spec.dialogTemplate,
               spec.className),
      m_context(context), m_clock(clock), m_spec(std::move(spec)) {
    readLocalClock(m_clock, m_context.host);
    setText(ids::kClock.text, yearFirstClockText(m_clock));
    setText(ids::kFolderRow.folder, m_context.host.defaultFolder());
}

int CameraMenuForm::initialPosition(int list) const {
    for (const ListSpec& l : m_spec.lists)
        if (l.id == list)
            return l.initial;
    return -1;
}

void CameraMenuForm::onInit(ui::DialogWindow& w) {
    FormBase::onInit(w);
    const LanguageId lang = language();
    w.setIcon(ui::kWindowIcon);
    w.setTitle(modelFacts(m_context.state.modelId).title);
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
    for (const ControlText& text : m_spec.texts)
        w.setText(text.id, text.text);
    // A hidden row keeps its template texts.
    for (const LabelSpec& label : m_spec.labels)
        if (std::find(m_spec.hidden.begin(), m_spec.hidden.end(), label.id) == m_spec.hidden.end())
            w.setText(label.id, textFor(*label.text, lang));
    // The framework shows the held values once the window exists.
    refresh();
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

bool CameraMenuForm::alwaysRefreshes(int id) const {
    return std::find(m_spec.alwaysRefresh.begin(), m_spec.alwaysRefresh.end(), id) !=
           m_spec.alwaysRefresh.end();
}

void CameraMenuForm::onEditChange(int id) {
    if (busy() || !isOpen() || !holdsNumber(id))
        return;
    exchange();
    if (correct(id) || alwaysRefreshes(id))
        refresh();
}

void CameraMenuForm::onListPick(int id) {
    if (busy() || !isOpen())
        return;
    if (const SwitchRule* rule = findRow(m_spec.switches, id)) {
        if (rule->exchanges)
            exchange();
        applySwitch(*rule, window().selected(id));
        if (rule->exchanges)
            refresh();
    } else if (const ListReaction* reaction = findRow(m_spec.reactions, id)) {
        if (reaction->actsAs != 0) {
            onClick(reaction->actsAs);
            return;
        }
        exchange();
        const bool corrected = reaction->corrects != 0 && correct(reaction->corrects);
        if (corrected || alwaysRefreshes(id))
            refresh();
    }
}

void CameraMenuForm::onButton(int id) {
    switch (id) {
    case ui::kIdOk:
        generate();
        break;
    case ids::kDefault:
        writeFactoryRecord();
        break;
    case ids::kClock.getTime:
        getTime();
        break;
    case ids::kFolderRow.select:
        chooseFolder(ids::kFolderRow.folder);
        break;
    default:
        FormBase::onButton(id);
        break;
    }
}

void CameraMenuForm::getTime() {
    readLocalClock(m_clock, m_context.host);
    if (auto text = clockText(m_clock, window().selected(ids::kDateFormatRow.control)))
        setText(ids::kClock.text, std::move(*text));
    refresh();
}

MenuValues CameraMenuForm::recordValues() const {
    MenuValues values;
    for (const RecordSource& source : m_spec.record) {
        int& value = values.values[source.field];
        if (source.digit >= 0) {
            const std::string text = window().text(source.control);
            const auto at = static_cast<std::size_t>(source.digit);
            value = at < text.size() && text[at] >= '0' && text[at] <= '9' ? text[at] - '0' : 0;
        } else {
            value = holdsNumber(source.control) ? heldNumber(source.control)
                                                : window().selected(source.control);
        }
    }
    values.intervalUnit = window().selected(ids::kIntervalRow.control) == ids::kUnitMinute
                              ? IntervalUnit::Minutes
                              : IntervalUnit::Seconds;
    values.values[MenuField::ClockYear] = m_clock.year;
    values.values[MenuField::ClockMonth] = m_clock.month;
    values.values[MenuField::ClockDay] = m_clock.day;
    values.values[MenuField::ClockHour] = m_clock.hour;
    values.values[MenuField::ClockMinute] = m_clock.minute;
    values.values[MenuField::ClockSecond] = m_clock.second;
    values.values[MenuField::CameraLanguage] = m_context.state.cameraLanguage();
    values.values[MenuField::TvMode] = m_context.state.tvMode;
    return values;
}

void CameraMenuForm::generate() {
    writeMenuFile(*buildMenuRecord(*m_spec.layout, recordValues(), kLowBits),
                  heldText(ids::kFolderRow.folder), RecordKind::Configuration, m_spec.messages,
                  language(), m_context.host);
}

void CameraMenuForm::writeFactoryRecord() {
    const FactoryRule& rule = m_spec.factory;
    exchange(); // the outcome does not matter: the factory record does not depend on the fields
    const std::string folder = heldText(ids::kFolderRow.folder);
    for (const Selection& s : rule.selections)
        window().select(s.list, s.position);
    for (const SwitchRule& s : m_spec.switches) {
        window().select(s.list, s.offPosition);
        applySwitch(s, s.offPosition);
    }
    for (int id : rule.resets)
        for (const ui::FieldSpec& f : table().fields)
            if (f.id == id)
                setNumber(id, f.initial);
    // A value kept through Default obeys its field's rules under the new selections: an interval
    // of 0 seconds kept while the unit becomes Minute would be a byte 6 of 0, which no camera
    // takes.
    for (const ui::FieldSpec& f : table().fields)
        correct(f.id);
    for (const ControlText& text : rule.typed)
        window().setText(text.id, text.text);
    refresh();
    const MenuValues values = recordValues();
    const CameraSettingsRecord record = rule.source == FactorySource::Form
                                            ? *buildMenuRecord(*m_spec.layout, values, kLowBits)
                                            : *buildFactoryRecord(*m_spec.layout, values, kLowBits);
    writeMenuFile(record, folder, RecordKind::FactorySettings, m_spec.messages, language(),
                  m_context.host);
}

// The record sources read in reverse: the lists are picked first (the interval unit before its
// value, every switch before the edits it governs), then the numbers are typed, the wireless code
// as the digits the record holds; "Get Time" reads the clock anew, as a camera's clock is set to
// now and never taken from a card.
ui::CardContent CameraMenuForm::readCard(std::span<const std::uint8_t> bytes) const {
    MenuFileContent file = readMenuFile(bytes, *m_spec.layout);
    ui::CardContent content{std::move(file.check), {}};
    if (!content.check.readable())
        return content;
    const MenuValues& values = file.values;
    std::vector<ui::CardEntry> typed;
    std::map<int, std::string> digits;
    content.entries.push_back(
        ui::pickEntry(ids::kIntervalRow.control,
                      values.intervalUnit == IntervalUnit::Minutes ? ids::kUnitMinute
                                                                   : ids::kUnitSecond));
    for (const RecordSource& source : m_spec.record) {
        const auto found = values.values.find(source.field);
        if (found == values.values.end())
            continue; // a byte this model's layout keeps fixed
        if (source.digit >= 0) {
            std::string& code = digits[source.control];
            code.resize(std::max(code.size(), static_cast<std::size_t>(source.digit) + 1), '0');
            code[static_cast<std::size_t>(source.digit)] = static_cast<char>('0' + found->second);
        } else if (holdsNumber(source.control)) {
            typed.push_back(ui::typeEntry(source.control, std::to_string(found->second)));
        } else {
            content.entries.push_back(ui::pickEntry(source.control, found->second));
        }
    }
    content.entries.insert(content.entries.end(), typed.begin(), typed.end());
    for (auto& [control, code] : digits)
        content.entries.push_back(ui::typeEntry(control, std::move(code)));
    content.entries.push_back(ui::clickEntry(ids::kClock.getTime));
    return content;
}

} // namespace quorvex::camera_menu
