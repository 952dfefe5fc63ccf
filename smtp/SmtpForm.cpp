// SPDX-License-Identifier: MIT
#include "smtp/SmtpForm.h"
#include "card/SettingsFileSchema.h"
#include "card/SettingsHeaderSchema.h"

#include "card/GprsOperatorCatalogue.h"
#include "card/SmtpFileReader.h"
#include "core/ConfiguratorTexts.h"
#include "core/ModelCatalogue.h"
#include "core/Utf8.h"
#include "mms/MmsTexts.h"
#include "mms/StorableTexts.h"
#include "smtp/GprsCatalogueView.h"
#include "smtp/SmtpTexts.h"

#include <array>
#include <string>

namespace quorvex::smtp {

namespace ids = ui::smtp_ids;

namespace {

// The longest text smtp.dat's record of `field` takes, which the edit of the field takes too.
constexpr int limit(SmtpTextField field) {
    return textLimit(kSmtpTextRecords, static_cast<int>(field));
}

ui::FormTable smtpTable(const ids::FamilyIds& f) {
    ui::FormTable table;
    table.fields = {ui::frameworkNumberField(ids::kPicturesPerDay, kSmtpHeader.picturesPerDay.min,
                                             kSmtpHeader.picturesPerDay.max),
                    ui::textField(ids::kRecipient, f.emailLimit),
                    ui::textField(ids::kSenderEmail, f.emailLimit),
                    ui::textField(ids::kSenderPassword, limit(SmtpTextField::SenderPassword)),
                    ui::textField(ids::kServer, limit(SmtpTextField::SmtpServer)),
                    ui::textField(ids::kPort, limit(SmtpTextField::SmtpPort)),
                    ui::textField(ids::kAccount, limit(SmtpTextField::GprsAccount)),
                    ui::textField(ids::kApn, limit(SmtpTextField::Apn)),
                    ui::textField(ids::kGprsPassword, limit(SmtpTextField::GprsPassword)),
                    ui::textField(ids::kFolder),
                    ui::textField(f.phone, limit(SmtpTextField::SmsPhone))};
    for (const ui::FieldSpec& field : table.fields)
        table.order.push_back(field.id);
    // A limit above 99 pictures a day becomes no limit.
    table.corrections.push_back(ui::above(ids::kPicturesPerDay, kSmtpHeader.picturesPerDay.max, 0));
    table.folderField = ids::kFolder;
    table.fileName = kSmtpFileName;
    table.writeButtons = {ids::kGenerate, ui::kIdOk};
    return table;
}

// The texts a mode change clears; the phone number, the folder and the picture limit stay.
constexpr std::array kCleared{ids::kRecipient, ids::kSenderEmail, ids::kSenderPassword,
                              ids::kServer,    ids::kPort,        ids::kGprsPassword,
                              ids::kAccount,   ids::kApn};
constexpr std::array kGprsEdits{ids::kApn, ids::kAccount, ids::kGprsPassword};

const SmtpForm& smtpForm(const ui::FormBase& form) {
    return static_cast<const SmtpForm&>(form);
}
bool shorterThanTwo(const ui::FormBase& form, int field) {
    return form.heldLength(field) < 2;
}
bool lacksAt(const ui::FormBase& form, int field) {
    return form.heldText(field).find('@') == std::string::npos;
}
bool lacksDot(const ui::FormBase& form, int field) {
    return form.heldText(field).find('.') == std::string::npos;
}
bool shortPhone(const ui::FormBase& form, int field) {
    const std::size_t n = form.heldLength(field);
    return n >= 1 && n < 5;
}
bool remoteWithoutPhone(const ui::FormBase& form, int field) {
    return smtpForm(form).remoteOn() && form.heldLength(field) < 5;
}
// Auto mode: the selected operator has no published APN, so the camera could never connect.
bool lacksGprsSettings(const ui::FormBase& form, int /*field*/) {
    return smtpForm(form).autoConnection().apn.empty();
}

} // namespace

std::vector<ui::GenerateCheck> smtpChecks(const ids::FamilyIds& f, bool shortPhoneFails) {
    std::vector<ui::GenerateCheck> checks{
        {lacksGprsSettings,
         ids::kOperator,
         &kMessageNoGprsSettings,
         ui::CheckMode::Auto,
         {ids::kCountry, ids::kOperator}},
        {shorterThanTwo, ids::kApn, &kMessageGprsApn, ui::CheckMode::Manual},
        {shorterThanTwo, ids::kServer, &kMessageSmtpServer},
        {shorterThanTwo, ids::kPort, &kMessagePort},
        {shorterThanTwo, ids::kSenderEmail, &kMessageInputEmail},
        {lacksAt, ids::kSenderEmail, &kMessageEmailAt},
        {lacksDot, ids::kSenderEmail, &kMessageEmailDot},
        {shorterThanTwo, ids::kSenderPassword, &kMessageSenderPassword},
        {shorterThanTwo, ids::kRecipient, &kMessageInputEmail},
        {lacksAt, ids::kRecipient, &kMessageEmailAt},
        {lacksDot, ids::kRecipient, &kMessageEmailDot},
    };
    if (shortPhoneFails)
        checks.push_back({shortPhone, f.phone, &kMessagePhone});
    checks.push_back({remoteWithoutPhone, f.phone, &kMessagePhone});
    return checks;
}

SmtpForm::SmtpForm(AppContext& context, SmtpFormSpec spec)
    : FormBase(context.host, context.state.languageId, smtpTable(spec.ids), *spec.dialogTemplate,
               spec.className),
      m_context(context), m_spec(std::move(spec)),
      m_lists(gprsCatalogueView(), ids::kCountry, ids::kOperator) {
    setText(ids::kFolder, m_context.host.defaultFolder());
}

void SmtpForm::onInit(ui::DialogWindow& w) {
    FormBase::onInit(w);
    const LanguageId lang = language();
    const ids::FamilyIds& f = m_spec.ids;
    w.setIcon(ui::kWindowIcon);
    w.setTitle(modelFacts(m_context.state.modelId).title);
    const std::array<std::pair<int, const LocalizedText*>, 24> labels{{
        {ids::kModeLabel, &kLabelSmtpMode},
        {f.statusLabel, &kLabelSmtpStatus},
        {ids::kPicturesLabel, &mms::kLabelPicturesPerDay},
        {ids::kUnlimitedNote, &mms::kLabelUnlimitedNote},
        {ids::kCountryLabel, &mms::kLabelCountry},
        {ids::kOperatorLabel, &mms::kLabelOperator},
        {f.remoteLabel, &mms::kLabelRemoteControl},
        {ids::kHourLabel, &kLabelHour},
        {f.gprsGroup, &kLabelGprsSetting},
        {ids::kApnLabel, &kLabelApnAll},
        {ids::kAccountLabel, &mms::kLabelAccount},
        {ids::kGprsPasswordLabel, &kLabelGprsPassword},
        {ids::kSenderGroup, &kLabelSender},
        {ids::kServerLabel, &kLabelSmtpServer},
        {ids::kPortLabel, &kLabelSmtpPort},
        {ids::kSenderEmailLabel, &kLabelSenderEmail},
        {ids::kSenderPasswordLabel, &kLabelSenderPassword},
        {ids::kRecipientsGroup, &kLabelRecipients},
        {ids::kRecipientLabel, &kLabelEmail01},
        {f.smsGroup, &kLabelSmsGroup},
        {f.phoneLabel, &mms::kLabelPhoneNo},
        {ids::kSelectFolder, &kButtonSelect},
        {ids::kGenerate, &kButtonGenerate},
        {ui::kIdCancel, &kButtonExit},
    }};
    for (const auto& [id, text] : labels)
        if (id != 0) // the K4 template has no SMTP Status label
            w.setText(id, textFor(*text, lang));
    for (int id : kGprsEdits)
        w.setReadOnly(id, true);
    fillList(ids::kMode, kOptionsSmtpMode, 0);
    if (f.status != 0)
        fillList(f.status, kOptionsSmtpStatus, 1); // VGA
    m_lists.fill(w, lang, true);
    fillRemoteControl(w, f.remote, textFor(kTextRemoteOff, lang));
    refresh();
}

GprsConnection SmtpForm::autoConnection() const {
    return gprsConnection(static_cast<std::size_t>(std::max(window().selected(ids::kCountry), 0)),
                          static_cast<std::size_t>(std::max(window().selected(ids::kOperator), 0)));
}

bool SmtpForm::manual() const {
    return window().selected(ids::kMode) == 1;
}

bool SmtpForm::remoteOn() const {
    return window().selected(m_spec.ids.remote) != kRemoteControlOff;
}

void SmtpForm::onEditChange(int id) {
    if (busy() || !isOpen() || !holdsField(id))
        return;
    exchange();
    if (id == ids::kPicturesPerDay && correct(id))
        refresh();
}

void SmtpForm::onListPick(int id) {
    if (busy() || !isOpen())
        return;
    if (id == ids::kMode)
        changeMode();
    else if (id == ids::kCountry && !manual())
        m_lists.refillOperators(window(), language());
}

// The K4 form re-reads when its remote-control list closes without a choice.
void SmtpForm::onListCloseUp(int id) {
    if (!busy() && isOpen() && m_spec.layout == SmtpLayout::K4 && id == m_spec.ids.remote)
        exchange();
}

void SmtpForm::onButton(int id) {
    if (id == ids::kGenerate) {
        generate();
    } else if (id == ids::kSelectFolder) {
        chooseFolder(ids::kFolder);
    } else if (id == ui::kIdOk) {
        // Enter: the dialog's default button, Generate; the form stays open like after a click.
        generate();
    } else {
        FormBase::onButton(id);
    }
}

// Choosing Auto always shows the first country with its own operators, so the two lists agree.
void SmtpForm::changeMode() {
    exchange();
    for (int id : kCleared)
        setText(id, "");
    const bool isManual = manual();
    if (isManual)
        m_lists.showOther(window(), language());
    else
        m_lists.fill(window(), language());
    for (int id : kGprsEdits)
        window().setReadOnly(id, !isManual);
    refresh();
}

// A text the camera's code page cannot hold is refused, naming the field.
bool SmtpForm::storable(const SmtpTexts& texts) {
    const LanguageId lang = language();
    const std::array<std::pair<SmtpTextField, std::string_view>, 9> fields{{
        {SmtpTextField::Apn, textFor(kLabelApnAll, lang)},
        {SmtpTextField::GprsAccount, textFor(mms::kLabelAccount, lang)},
        {SmtpTextField::GprsPassword, textFor(kLabelGprsPassword, lang)},
        {SmtpTextField::SmtpServer, textFor(kLabelSmtpServer, lang)},
        {SmtpTextField::SmtpPort, textFor(kLabelSmtpPort, lang)},
        {SmtpTextField::SenderEmail, textFor(kLabelSenderEmail, lang)},
        {SmtpTextField::SenderPassword, textFor(kLabelSenderPassword, lang)},
        {SmtpTextField::SmsPhone, textFor(mms::kLabelPhoneNo, lang)},
        {SmtpTextField::Recipient, textFor(kLabelEmail01, lang)},
    }};
    std::vector<NamedText> named;
    for (const auto& [field, name] : fields)
        named.push_back({name, texts[field]});
    return allStorable(named, lang, host());
}

void SmtpForm::generate() {
    const bool isManual = manual();
    if (!passes(m_spec.checks, isManual))
        return;
    const ui::DialogWindow& w = window();
    const int country = w.selected(ids::kCountry);
    const int op = w.selected(ids::kOperator);
    SmtpTexts texts{heldText(ids::kApn),
                    heldText(ids::kAccount),
                    heldText(ids::kGprsPassword),
                    heldText(ids::kServer),
                    heldText(ids::kPort),
                    heldText(ids::kSenderEmail),
                    heldText(ids::kSenderPassword),
                    heldText(m_spec.ids.phone),
                    heldText(ids::kRecipient)};
    // In Auto mode the catalogue's values go into the file only; the form never shows or keeps
    // them.
    if (!isManual) {
        const GprsConnection c = autoConnection();
        texts.apn = c.apn;
        texts.gprsAccount = c.account;
        texts.gprsPassword = c.password;
    }
    if (!storable(texts))
        return;
    SmtpHeaderValues header;
    header.layout = m_spec.layout;
    header.operatorIndex = op;
    header.countryIndex = country;
    header.picturesPerDay = heldNumber(ids::kPicturesPerDay);
    header.cameraLanguage = m_context.state.cameraLanguage();
    header.smtpStatus = m_spec.ids.status != 0 ? w.selected(m_spec.ids.status) : 1;
    header.remoteControl = w.selected(m_spec.ids.remote);
    header.mode = isManual ? DataSetupMode::Manual : DataSetupMode::Auto;
    SmtpFileWriter::write(heldText(ids::kFolder), header, texts, language(), host());
}

// The header and texts read in reverse: the mode first (it clears the texts), the lists, the
// country before its operators, then the texts. In Auto mode the GPRS texts are the catalogue's,
// which Generate takes from the selected operator again.
ui::CardContent SmtpForm::readCard(std::span<const std::uint8_t> bytes) const {
    SmtpFileContent file = readSmtpFile(bytes, m_spec.layout);
    ui::CardContent content{std::move(file.check), {}};
    if (!content.check.readable())
        return content;
    const SmtpHeaderValues& h = file.header;
    const SmtpTexts& t = file.texts;
    const bool isManual = h.mode == DataSetupMode::Manual;
    const ids::FamilyIds& f = m_spec.ids;
    auto& e = content.entries;
    e.push_back(ui::pickEntry(ids::kMode, isManual ? 1 : 0));
    if (f.status != 0)
        e.push_back(ui::pickEntry(f.status, h.smtpStatus));
    if (!isManual) {
        e.push_back(ui::pickEntry(ids::kCountry, h.countryIndex));
        e.push_back(ui::pickEntry(ids::kOperator, h.operatorIndex));
    }
    e.push_back(ui::pickEntry(f.remote, h.remoteControl));
    e.push_back(ui::typeEntry(ids::kPicturesPerDay, std::to_string(h.picturesPerDay)));
    if (isManual)
        e.insert(e.end(),
                 {ui::typeEntry(ids::kApn, t.apn), ui::typeEntry(ids::kAccount, t.gprsAccount),
                  ui::typeEntry(ids::kGprsPassword, t.gprsPassword)});
    e.insert(e.end(),
             {ui::typeEntry(ids::kServer, t.smtpServer), ui::typeEntry(ids::kPort, t.smtpPort),
              ui::typeEntry(ids::kSenderEmail, t.senderEmail),
              ui::typeEntry(ids::kSenderPassword, t.senderPassword),
              ui::typeEntry(f.phone, t.smsPhone), ui::typeEntry(ids::kRecipient, t.recipient)});
    return content;
}

} // namespace quorvex::smtp
