// SPDX-License-Identifier: MIT
#pragma once

#include "card/MmsFileWriter.h"
#include "core/Language.h"
#include "core/ModelCatalogue.h"
#include "mms/OperatorLists.h"
#include "card/OperatorProfile.h"
#include "ui/AppContext.h"
#include "ui/FormBase.h"
#include "ui/templates/MmsIds.h"

#include <span>
#include <string_view>
#include <vector>

namespace quorvex::mms {

using ui::GenerateCheck;

// One entry of the MMS Send list: its text and the code header byte 0 stores.
struct SendEntry {
    const LocalizedText* text;
    int code;
};

// Everything an MMS form is besides the mechanism: one table per form.
struct MmsFormSpec {
    std::string_view className;
    const ui::DialogTemplate* dialogTemplate = nullptr;
    ui::mms_ids::RemoteControlIds remote;
    MmsSendList send = MmsSendList::FourEntries; // the MMS Send list for this model
    int exchangePhoneLimit = 11; // Phone No digits the field exchange accepts (domestic)
    // Picking "SMS" for a model without SMS mode leaves every read-only flag as it is (P4 form).
    bool smsPickKeepsFlags = false;
    std::vector<GenerateCheck> standardChecks;
    std::vector<GenerateCheck> smsChecks;
};

// An MMS form: the texts, the picture limit and the folder are held; the lists hold their own
// selections. The rules that are code (mode and SMS switches, the phone, e-mail and
// second-recipient rules, the numbering switch) live here once for both forms.
class MmsForm : public ui::FormBase {
  public:
    MmsForm(AppContext& context, MmsFormSpec spec);

    void onInit(ui::DialogWindow& window) override;
    void onEditChange(int id) override;
    void onListPick(int id) override;

    // Whether numbering is international (Generate's phone check reads it).
    bool international() const { return m_context.state.messaging.internationalNumbering; }
    // The catalogue's settings of the selected country and operator (what Auto mode writes).
    OperatorProfile autoProfile() const;

  protected:
    void onButton(int id) override;
    bool checkField(int id) override;
    ui::CardContent readCard(std::span<const std::uint8_t> bytes) const override;

  private:
    bool manual() const;
    bool smsMode() const;
    void setReadOnly(std::initializer_list<int> ids, bool readOnly);
    void lockRecipients(std::initializer_list<int> ids);
    void switchMode();
    void switchSms();
    void phoneRule();
    void emailRule();
    void secondRecipientRule();
    void switchNumbering();
    void generate();
    MmsHeaderValues header() const;
    bool storable(const MmsTexts& texts);
    LanguageId language() const { return m_context.state.languageId; }

    AppContext& m_context;
    MmsFormSpec m_spec;
    std::vector<SendEntry> m_send;
    OperatorLists m_lists;
};

} // namespace quorvex::mms
