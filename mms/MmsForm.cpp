// SPDX-License-Identifier: MIT
#include "mms/MmsForm.h"
#include "card/SettingsFileSchema.h"

#include "card/MmsFileReader.h"
#include "card/MmsOperatorCatalogue.h"
#include "card/SettingsHeaderSchema.h"
#include "core/ConfiguratorTexts.h"
#include "core/ModelCatalogue.h"
#include "core/Utf8.h"
#include "mms/MmsTexts.h"
#include "mms/StorableTexts.h"
#include "ui/FieldChecks.h"

#include <algorithm>
#include <string>

namespace quorvex::mms {

namespace ids = ui::mms_ids;

namespace {

constexpr int kDomesticNumbering = 0;

// Connection and account texts: what Auto mode takes from the catalogue.
constexpr std::array kConnection{ids::kUrl,  ids::kApn,     ids::kGateway,
                                 ids::kPort, ids::kAccount, ids::kPassword};

ui::FormTable mmsTable() {
    ui::FormTable table;
    for (int id : ids::kTexts)
        table.fields.push_back(ui::textField(id));
    table.fields.push_back(ui::numberField(ids::kPicturesPerDay, kSetupHeader.picturesPerDay.min,
                                           kSetupHeader.picturesPerDay.max));
    table.fields.push_back(ui::textField(ids::kFolder, ids::kFolderLimit));
    table.order.assign(std::begin(ids::kTexts), std::end(ids::kTexts));
    table.order.push_back(ids::kPicturesPerDay);
    table.order.push_back(ids::kFolder);
    // A limit above 99 pictures a day becomes no limit.
    table.corrections.push_back(
        ui::above(ids::kPicturesPerDay, kSetupHeader.picturesPerDay.max, 0));
    table.folderField = ids::kFolder;
    table.fileName = kMmsFileName;
    table.writeButtons = {ui::kIdOk};
    return table;
}

struct LabelRow {
    int id;
    const LocalizedText* text;
};

// The MMS Send list: Off, VGA, then QVGA where the list has it, and SMS, each with the code
// header byte 0 stores for it.
std::vector<SendEntry> sendEntries(MmsSendList list) {
    const std::span<const MmsSendChoice> choices = mmsSendChoices(list);
    std::vector<const LocalizedText*> texts{&kTextOffMms, &kTextVga, &kTextSms};
    if (choices.size() == 4)
        texts.insert(texts.begin() + 2, &kTextQvga);
    std::vector<SendEntry> entries;
    for (std::size_t i = 0; i < choices.size(); ++i)
        entries.push_back({texts[i], choices[i].code});
    return entries;
}

} // namespace

MmsForm::MmsForm(AppContext& context, MmsFormSpec spec)
    : FormBase(context.host, context.state.languageId, mmsTable(), *spec.dialogTemplate,
               spec.className),
      m_context(context), m_spec(std::move(spec)), m_send(sendEntries(m_spec.send)),
      m_lists(mmsCatalogueView(), ids::kCountry, ids::kOperator) {
    m_context.state.messaging.internationalNumbering = false;
    setText(ids::kFolder, m_context.host.defaultFolder());
}

void MmsForm::onInit(ui::DialogWindow& w) {
    FormBase::onInit(w);
    const LanguageId lang = language();
    w.setIcon(ui::kWindowIcon);
    w.setTitle(modelFacts(m_context.state.modelId).title);
    setReadOnly({ids::kUrl, ids::kApn, ids::kGateway, ids::kPort, ids::kAccount, ids::kPassword,
                 ids::kRecipient2, ids::kRecipient3, ids::kFolder},
                true);
    setReadOnly({ids::kPhoneNo, ids::kEmail}, false);
    const std::array<LabelRow, 21> labels{{
        {ids::kGroup, &kLabelMms},
        {ids::kModeLabel, &kLabelMmsMode},
        {ids::kSendLabel, &kLabelMmsStatus},
        {ids::kPicturesLabel, &kLabelPicturesPerDay},
        {ids::kUnlimitedNote, &kLabelUnlimitedNote},
        {ids::kCountryLabel, &kLabelCountry},
        {ids::kOperatorLabel, &kLabelOperator},
        {m_spec.remote.label, &kLabelRemoteControl},
        {ids::kHourLabel, &kLabelHour},
        {ids::kUrlLabel, &kLabelUrl},
        {ids::kGatewayLabel, &kLabelGateway},
        {ids::kPortLabel, &kLabelPort},
        {ids::kPhoneNoLabel, &kLabelPhoneNo},
        {ids::kEmailLabel, &kLabelEmail},
        {ids::kAccountLabel, &kLabelAccount},
        {ids::kPasswordLabel, &kLabelPassword},
        {ids::kRecipient2Label, &kLabelPhoneOrEmail},
        {ids::kRecipient3Label, &kLabelPhoneOrEmail},
        {ids::kSelectFolder, &kButtonSelect},
        {ui::kIdOk, &kButtonGenerate},
        {ui::kIdCancel, &kButtonExit},
    }};
    for (const LabelRow& label : labels)
        w.setText(label.id, textFor(*label.text, lang));

    fillList(ids::kMode, kOptionsMmsMode, 0);
    w.clearList(ids::kSend);
    for (const SendEntry& entry : m_send)
        w.addItem(ids::kSend, textFor(*entry.text, lang));
    w.select(ids::kSend, 1); // VGA
    m_lists.fill(w, lang, true);
    w.clearList(ids::kConnection);
    w.addItem(ids::kConnection, kConnectionApn);
    w.select(ids::kConnection, 0);
    fillRemoteControl(w, m_spec.remote.list, textFor(kTextOffMms, lang));
    fillList(ids::kNumbering, kOptionsNumbering, kDomesticNumbering);
    refresh();
}

bool MmsForm::manual() const {
    return window().selected(ids::kMode) == 1;
}

// SMS mode: a model that has one, with the last entry of MMS Send ("SMS") selected.
bool MmsForm::smsMode() const {
    return modelFacts(m_context.state.modelId).smsMode &&
           window().selected(ids::kSend) == static_cast<int>(m_send.size()) - 1;
}

void MmsForm::setReadOnly(std::initializer_list<int> controls, bool readOnly) {
    for (int id : controls)
        window().setReadOnly(id, readOnly);
}

void MmsForm::lockRecipients(std::initializer_list<int> recipients) {
    for (int id : recipients)
        setText(id, "");
    setReadOnly(recipients, true);
}

bool MmsForm::checkField(int id) {
    if (id != ids::kPhoneNo)
        return true;
    const int limit = international() ? 32 : m_spec.exchangePhoneLimit;
    if (heldLength(ids::kPhoneNo) <= static_cast<std::size_t>(limit))
        return true;
    host().showInfoMessage(
        ui::formatPercentD(messageFor(kMessagePhoneTooLong, language()), limit, 0));
    return false;
}

void MmsForm::onEditChange(int id) {
    if (busy() || !isOpen())
        return;
    switch (id) {
    case ids::kPhoneNo:
        phoneRule();
        break;
    case ids::kEmail:
        emailRule();
        break;
    case ids::kRecipient2:
        secondRecipientRule();
        break;
    case ids::kPicturesPerDay:
        exchange();
        if (correct(id))
            refresh();
        break;
    default:
        // The folder text is the form's own, never typed into: it sets off nothing.
        if (holdsField(id) && id != ids::kFolder)
            exchange();
        break;
    }
}

void MmsForm::onListPick(int id) {
    if (busy() || !isOpen())
        return;
    if (id == ids::kMode) {
        switchMode();
    } else if (id == ids::kSend) {
        switchSms();
    } else if (id == ids::kCountry) {
        if (!manual())
            m_lists.refillOperators(window(), language());
        refresh();
    } else if (id == ids::kOperator || id == m_spec.remote.list) {
        exchange();
    } else if (id == ids::kNumbering) {
        switchNumbering();
    }
}

void MmsForm::onButton(int id) {
    if (id == ui::kIdOk)
        generate();
    else if (id == ids::kSelectFolder)
        chooseFolder(ids::kFolder);
    else
        FormBase::onButton(id);
}

void MmsForm::switchMode() {
    for (int id : ids::kTexts)
        setText(id, "");
    const bool sms = smsMode();
    ui::DialogWindow& w = window();
    w.clearList(ids::kConnection);
    w.addItem(ids::kConnection, kConnectionApn);
    if (manual()) {
        m_lists.showOther(w, language());
        w.addItem(ids::kConnection, kConnectionCsd);
        setReadOnly({ids::kUrl, ids::kApn, ids::kGateway, ids::kPort, ids::kPhoneNo, ids::kEmail,
                     ids::kAccount, ids::kPassword},
                    false);
        setReadOnly({ids::kRecipient2, ids::kRecipient3}, true);
        m_context.state.messaging.countryByte = kManualCountryByte;
        m_context.state.messaging.operatorByte = 0;
        if (sms)
            setReadOnly({ids::kUrl, ids::kApn, ids::kGateway, ids::kPort, ids::kAccount,
                         ids::kPassword, ids::kRecipient2, ids::kRecipient3},
                        true);
    } else {
        m_lists.fill(w, language());
        setReadOnly({ids::kUrl, ids::kApn, ids::kGateway, ids::kPort, ids::kAccount, ids::kPassword,
                     ids::kRecipient2, ids::kRecipient3},
                    true);
        setReadOnly({ids::kPhoneNo, ids::kEmail}, false);
    }
    w.select(ids::kConnection, 0);
    if (sms)
        setReadOnly({ids::kEmail}, true);
    refresh();
}

void MmsForm::switchSms() {
    if (smsMode()) {
        setReadOnly({ids::kUrl, ids::kApn, ids::kGateway, ids::kPort, ids::kEmail, ids::kAccount,
                     ids::kPassword, ids::kRecipient2, ids::kRecipient3},
                    true);
        setReadOnly({ids::kPhoneNo}, false);
        refresh();
        return;
    }
    // Leaving SMS mode in Auto changes no flag: Email stays read-only until the mode is switched.
    const bool smsPicked = window().selected(ids::kSend) == static_cast<int>(m_send.size()) - 1;
    if (manual() && !(m_spec.smsPickKeepsFlags && smsPicked)) {
        setReadOnly({ids::kUrl, ids::kApn, ids::kGateway, ids::kPort, ids::kPhoneNo, ids::kEmail,
                     ids::kAccount, ids::kPassword},
                    false);
        setReadOnly({ids::kRecipient2, ids::kRecipient3}, true);
    }
    exchange();
}

void MmsForm::phoneRule() {
    exchange();
    const int limit = international() ? 32 : modelFacts(m_context.state.modelId).mmsPhoneLimit;
    if (heldLength(ids::kPhoneNo) > static_cast<std::size_t>(limit))
        setText(ids::kPhoneNo, "");
    if (heldLength(ids::kPhoneNo) < 5)
        lockRecipients({ids::kRecipient2, ids::kRecipient3});
    else
        setReadOnly({ids::kRecipient2}, false);
    refresh();
}

void MmsForm::emailRule() {
    exchange();
    const std::string_view email = heldText(ids::kEmail);
    if (heldLength(ids::kEmail) < 5) {
        lockRecipients({ids::kRecipient2, ids::kRecipient3});
        refresh();
    } else if (email.find('@') != std::string_view::npos) {
        setReadOnly({ids::kRecipient2}, false);
        refresh();
    }
}

void MmsForm::secondRecipientRule() {
    exchange();
    if (heldLength(ids::kRecipient2) < 5)
        lockRecipients({ids::kRecipient3});
    else
        setReadOnly({ids::kRecipient3}, false);
    refresh();
}

void MmsForm::switchNumbering() {
    const bool international = window().selected(ids::kNumbering) == kInternationalNumbering;
    m_context.state.messaging.internationalNumbering = international;
    if (international)
        host().showInfoMessage(messageFor(kMessageNumberingInternational, language()));
}

MmsHeaderValues MmsForm::header() const {
    const ui::DialogWindow& w = window();
    const AppState& state = m_context.state;
    const int send = w.selected(ids::kSend);
    MmsHeaderValues h;
    h.sendCode = send >= 0 && send < static_cast<int>(m_send.size())
                     ? m_send[static_cast<std::size_t>(send)].code
                     : send;
    h.sendPosition = sendPositionByte(send);
    h.connectionType = w.selected(ids::kConnection);
    h.picturesPerDay = heldNumber(ids::kPicturesPerDay);
    h.cameraLanguage = state.cameraLanguage();
    h.tvMode = state.tvMode;
    h.internationalNumbering = state.messaging.internationalNumbering;
    h.countryByte = state.messaging.countryByte;
    h.operatorByte = state.messaging.operatorByte;
    h.remoteControl = w.selected(m_spec.remote.list);
    h.mode = manual() ? DataSetupMode::Manual : DataSetupMode::Auto;
    return h;
}

// Every text must have a form in the camera's code page and fit its record; a field that does
// not is named and nothing is written.
bool MmsForm::storable(const MmsTexts& texts) {
    const LanguageId lang = language();
    // The APN has no label of its own: the connection-type list stands in front of it.
    const std::array<std::pair<MmsTextField, std::string_view>, 10> fields{{
        {MmsTextField::Url, textFor(kLabelUrl, lang)},
        {MmsTextField::Apn, kConnectionApn},
        {MmsTextField::Gateway, textFor(kLabelGateway, lang)},
        {MmsTextField::Port, textFor(kLabelPort, lang)},
        {MmsTextField::PhoneNo, textFor(kLabelPhoneNo, lang)},
        {MmsTextField::Email, textFor(kLabelEmail, lang)},
        {MmsTextField::Account, textFor(kLabelAccount, lang)},
        {MmsTextField::Password, textFor(kLabelPassword, lang)},
        {MmsTextField::PhoneOrEmail2, textFor(kLabelPhoneOrEmail, lang)},
        {MmsTextField::PhoneOrEmail3, textFor(kLabelPhoneOrEmail, lang)},
    }};
    std::vector<NamedText> named;
    for (const auto& [field, name] : fields)
        named.push_back({name, texts[field]});
    return allStorable(named, lang, host());
}

OperatorProfile MmsForm::autoProfile() const {
    return operatorProfile(
        static_cast<std::size_t>(std::max(window().selected(ids::kCountry), 0)),
        static_cast<std::size_t>(std::max(window().selected(ids::kOperator), 0)));
}

void MmsForm::generate() {
    if (!passes(smsMode() ? m_spec.smsChecks : m_spec.standardChecks, manual()))
        return;
    if (!manual()) {
        const int country = window().selected(ids::kCountry);
        const int op = window().selected(ids::kOperator);
        const OperatorProfile profile = autoProfile();
        const std::array<std::string_view, 6> values{profile.mmscUrl, profile.apn,
                                                     profile.gateway, profile.port,
                                                     profile.account, profile.password};
        for (std::size_t i = 0; i < kConnection.size(); ++i)
            setText(kConnection[i], std::string(values[i]));
        m_context.state.messaging.countryByte = country;
        m_context.state.messaging.operatorByte = op;
    }
    // The catalogue's values are not the form's: once the write is over, or has been refused,
    // they are gone again, so no later refresh shows them under another operator.
    const auto forgetCatalogue = [this] {
        if (!manual())
            for (int id : kConnection)
                setText(id, "");
    };
    if (window().selected(m_spec.remote.list) != kRemoteControlOff &&
        heldLength(ids::kPhoneNo) < 5) {
        host().showInfoMessage(messageFor(kMessageRemoteNeedsPhone, language()));
        forgetCatalogue();
        return;
    }
    const MmsTexts texts{heldText(ids::kUrl),        heldText(ids::kApn),
                         heldText(ids::kGateway),    heldText(ids::kPort),
                         heldText(ids::kPhoneNo),    heldText(ids::kEmail),
                         heldText(ids::kAccount),    heldText(ids::kPassword),
                         heldText(ids::kRecipient2), heldText(ids::kRecipient3)};
    if (storable(texts))
        MmsFileWriter::write(heldText(ids::kFolder), header(), texts, language(), host());
    forgetCatalogue();
}

// The header and texts read in reverse, in the order a person fills the form: the mode first (it
// clears the texts), then the lists, the country before its operators, the numbering before the
// phone number it limits, then the texts. In Auto mode the connection texts are the catalogue's,
// which Generate takes from the selected operator again.
ui::CardContent MmsForm::readCard(std::span<const std::uint8_t> bytes) const {
    MmsFileContent file = readMmsFile(bytes, m_spec.send);
    ui::CardContent content{std::move(file.check), {}};
    if (!content.check.readable())
        return content;
    const MmsHeaderValues& h = file.header;
    const bool isManual = h.mode == DataSetupMode::Manual;
    auto& e = content.entries;
    e.push_back(ui::pickEntry(ids::kMode, isManual ? 1 : 0));
    e.push_back(ui::pickEntry(ids::kSend, sendListIndex(h.sendPosition)));
    if (!isManual) {
        e.push_back(ui::pickEntry(ids::kCountry, h.countryByte));
        e.push_back(ui::pickEntry(ids::kOperator, h.operatorByte));
    }
    e.push_back(ui::pickEntry(ids::kConnection, h.connectionType));
    e.push_back(ui::pickEntry(m_spec.remote.list, h.remoteControl));
    e.push_back(ui::pickEntry(ids::kNumbering, numberingByte(h.internationalNumbering)));
    e.push_back(ui::typeEntry(ids::kPicturesPerDay, std::to_string(h.picturesPerDay)));
    for (std::size_t i = 0; i < std::size(ids::kTexts); ++i) {
        const int id = ids::kTexts[i];
        const bool connection =
            std::find(kConnection.begin(), kConnection.end(), id) != kConnection.end();
        if (isManual || !connection)
            e.push_back(ui::typeEntry(id, file.texts[static_cast<MmsTextField>(i + 1)]));
    }
    return content;
}

} // namespace quorvex::mms
