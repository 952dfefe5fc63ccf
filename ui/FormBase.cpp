// SPDX-License-Identifier: MIT
#include "ui/FormBase.h"
#include "core/SystemText.h"

#include "card/CardFolder.h"
#include "core/CardTexts.h"
#include "core/OutputWriter.h"
#include "core/Utf8.h"
#include "ui/FieldChecks.h"
#include "ui/RemovableVolumes.h"

#include <algorithm>
#include <optional>

namespace quorvex::ui {

FormBase::FormBase(DialogHost& host, LanguageId messageLanguage, FormTable table,
                   const DialogTemplate& dialogTemplate, std::string_view className)
    : m_host(host), m_language(messageLanguage), m_template(dialogTemplate), m_className(className),
      m_table(std::move(table)) {
    for (const FieldSpec& f : m_table.fields) {
        if (f.kind != FieldKind::Text)
            m_numbers[f.id] = f.initial;
        else
            m_texts[f.id];
    }
}

int FormBase::heldNumber(int id) const {
    const auto found = m_numbers.find(id);
    return found == m_numbers.end() ? 0 : found->second;
}

const std::string& FormBase::heldText(int id) const {
    static const std::string kNone;
    const auto found = m_texts.find(id);
    return found == m_texts.end() ? kNone : found->second;
}

std::size_t FormBase::heldLength(int id) const {
    return utf8Length(heldText(id));
}

const FieldSpec* FormBase::field(int id) const {
    const auto found = std::find_if(m_table.fields.begin(), m_table.fields.end(),
                                    [id](const FieldSpec& f) { return f.id == id; });
    return found == m_table.fields.end() ? nullptr : &*found;
}

bool FormBase::exchangeField(const FieldSpec& spec, bool& correctedAny) {
    const std::string text = window().text(spec.id);
    if (spec.kind != FieldKind::Text) {
        const auto value = parseEditInteger(text);
        if (!value) {
            m_host.showValidationMessage(textFor(kFrameworkIntegerRequired, m_language));
            return false;
        }
        m_numbers[spec.id] = *value;
        bool inRange = *value >= spec.min && *value <= spec.max;
        if (spec.kind == FieldKind::Number)
            inRange = validateIntRange(*value, spec.min, spec.max, m_language, m_host);
        else if (!inRange)
            m_host.showValidationMessage(frameworkRangeText(spec.min, spec.max, m_language));
        // A field's own reaction corrects it only when its own change started the pass; a value
        // taken over here is corrected in every case, or Generate would hand the camera an
        // impossible setting (an hour of 30). The controls are refreshed once the pass ends, so
        // fields it has still to read keep what was typed into them.
        correctedAny = correct(spec.id) || correctedAny;
        return inRange;
    }
    m_texts[spec.id] = text;
    if (spec.max > 0 && utf8Length(text) > static_cast<std::size_t>(spec.max)) {
        m_host.showValidationMessage(tooManyCharactersText(spec.max, m_language));
        return false;
    }
    return true;
}

bool FormBase::exchange() {
    BusyScope busy(*this);
    bool correctedAny = false;
    for (int id : m_table.order) {
        const FieldSpec* spec = field(id);
        if (!spec)
            continue;
        if (!exchangeField(*spec, correctedAny) || !checkField(id)) {
            window().setFocus(id);
            if (correctedAny)
                refresh();
            return false;
        }
    }
    if (correctedAny)
        refresh();
    return true;
}

bool FormBase::passes(std::span<const GenerateCheck> checks, bool manualMode) const {
    for (const GenerateCheck& check : checks) {
        const bool runs =
            check.mode == CheckMode::Always || (check.mode == CheckMode::Manual) == manualMode;
        if (!runs || !check.fails(*this, check.field))
            continue;
        const std::string first = check.named[0] ? window().text(check.named[0]) : "";
        const std::string second = check.named[1] ? window().text(check.named[1]) : "";
        m_host.showInfoMessage(
            formatPercentS(messageFor(*check.message, m_language), {first, second}));
        return false;
    }
    return true;
}

bool FormBase::takeFolderOver() {
    const FieldSpec* spec = field(m_table.folderField);
    if (!spec)
        return true;
    BusyScope busy(*this);
    bool corrected = false;
    if (exchangeField(*spec, corrected))
        return true;
    window().setFocus(spec->id);
    return false;
}

void FormBase::onInit(DialogWindow& window) {
    Dialog::onInit(window);
    window.setText(kIdLoadFromCard, textFor(kMenuLoadFromCard, m_language));
}

void FormBase::onClick(int id) {
    if (!isOpen())
        return;
    if (id == kIdLoadFromCard) {
        onMenuLoad();
        return;
    }
    const auto& writers = m_table.writeButtons;
    if (std::find(writers.begin(), writers.end(), id) != writers.end() && !takeFolderOver())
        return;
    onButton(id);
}

std::span<const Shortcut> FormBase::shortcuts() const {
    static constexpr std::array<Shortcut, 1> kShortcuts{{{'O', kIdLoadFromCard}}};
    return kShortcuts;
}

void FormBase::refresh() {
    BusyScope busy(*this);
    for (const auto& [id, value] : m_numbers)
        window().setText(id, std::to_string(value));
    for (const auto& [id, text] : m_texts)
        window().setText(id, text);
}

bool FormBase::holds(const Condition& c) const {
    switch (c.kind) {
    case Condition::Kind::Always:
        return true;
    case Condition::Kind::ListShows:
        return window().selected(c.id) == c.value;
    case Condition::Kind::FieldIs:
        return heldNumber(c.id) == c.value;
    case Condition::Kind::FieldIsNot:
        return heldNumber(c.id) != c.value;
    }
    return false;
}

bool FormBase::correct(int fieldId) {
    bool changed = false;
    for (const Correction& c : m_table.corrections) {
        if (c.field != fieldId || !holds(c.when))
            continue;
        const int value = heldNumber(fieldId);
        const bool applies = c.test == Correction::Test::Above   ? value > c.bound
                             : c.test == Correction::Test::Below ? value < c.bound
                                                                 : value == c.bound;
        if (!applies)
            continue;
        for (const Assignment& a : c.sets) {
            if (a.field == 0 || heldNumber(a.field) == a.value)
                continue;
            m_numbers[a.field] = a.value;
            changed = true;
        }
    }
    return changed;
}

void FormBase::fillList(int id, OptionList options, int selected) {
    window().clearList(id);
    for (const LocalizedText& option : options)
        window().addItem(id, textFor(option, m_language));
    window().select(id, selected);
}

std::string FormBase::folderChooserStart(int folderField) const {
    const std::vector<std::string> volumes = m_host.removableVolumes();
    return ui::folderChooserStart(window().text(folderField), m_host.defaultFolder(), volumes);
}

void FormBase::chooseFolder(int folderField) {
    const auto chosen = m_host.chooseFolder(folderChooserStart(folderField));
    const FieldSpec* spec = field(folderField);
    if (!chosen || chosen->empty()) {
        m_texts[folderField] = window().text(folderField);
    } else if (spec && spec->max > 0 && utf8Length(*chosen) > static_cast<std::size_t>(spec->max)) {
        // Held, it would stop every later reading of the form at this field.
        m_host.showValidationMessage(tooManyCharactersText(spec->max, m_language));
    } else {
        m_texts[folderField] = *chosen;
    }
    refresh();
}

namespace {

// The message text with its %s filled in order.
std::string filled(std::string_view pattern, std::initializer_list<std::string_view> parts) {
    std::string text(pattern);
    std::size_t from = 0;
    for (std::string_view part : parts) {
        const auto at = text.find("%s", from);
        if (at == std::string::npos)
            break;
        text.replace(at, 2, part);
        from = at + part.size();
    }
    return text;
}

const LocalizedText& refusalText(CardVerdict verdict) {
    switch (verdict) {
    case CardVerdict::Damaged:
        return kMessageCardDamaged;
    case CardVerdict::OtherLayout:
        return kMessageCardOtherLayout;
    case CardVerdict::FactoryRecord:
        return kMessageCardFactory;
    case CardVerdict::Missing:
    case CardVerdict::Readable:
        break;
    }
    return kMessageCardMissing;
}

} // namespace

std::string_view FormBase::loadMenuText() const {
    return textFor(kMenuLoadFromCard, m_language);
}

void FormBase::onMenuLoad() {
    if (!isOpen())
        return;
    const auto chosen = m_host.chooseFolder(folderChooserStart(m_table.folderField));
    if (chosen && !chosen->empty())
        loadFromFolder(*chosen);
}

void FormBase::loadFromFolder(const std::string& folder) {
    const std::string_view name = m_table.fileName;
    const auto path = findCardFile(pathFromUtf8(folder), name);
    const CardFileBytes read = path ? readCardFile(*path) : CardFileBytes{{}, "not found"};
    CardContent content;
    if (!read.error.empty())
        content.check = cardRefusal(CardVerdict::Missing);
    else if (read.tooLong())
        content.check =
            cardRefusal(CardVerdict::Damaged,
                        "the file has more than " + std::to_string(kCardReadLimit) + " bytes");
    else
        content = readCard(read.bytes);
    if (!content.check.readable()) {
        m_host.showInfoMessage(filled(textFor(refusalText(content.check.verdict), m_language),
                                      {name, content.check.detail}));
        return;
    }
    for (const CardEntry& entry : content.entries) {
        if (!isOpen())
            return;
        switch (entry.kind) {
        case CardEntry::Kind::Pick:
            // The readers keep every position inside the form's lists; a list that has changed
            // under the entries before (an operator list refilled) is checked again here.
            if (entry.position < 0 || entry.position >= window().itemCount(entry.control)) {
                m_host.log("load: list " + std::to_string(entry.control) + " has no position " +
                           std::to_string(entry.position));
                continue;
            }
            window().select(entry.control, entry.position);
            onListPick(entry.control);
            break;
        case CardEntry::Kind::Type:
            // Setting an edit's text reports the change as typing does.
            window().setText(entry.control, entry.text);
            break;
        case CardEntry::Kind::Click:
            onClick(entry.control);
            break;
        }
    }
    if (isOpen())
        m_host.showInfoMessage(
            filled(textFor(kMessageCardLoaded, m_language), {utf8FromPath(*path)}));
}

} // namespace quorvex::ui
