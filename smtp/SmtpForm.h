// SPDX-License-Identifier: MIT
#pragma once

#include "card/SmtpFileWriter.h"
#include "core/Language.h"
#include "mms/OperatorLists.h"
#include "card/GprsOperator.h"
#include "ui/AppContext.h"
#include "ui/FormBase.h"
#include "ui/templates/SmtpIds.h"

#include <string_view>
#include <vector>

namespace quorvex::smtp {

// Everything an SMTP form is besides the mechanism: one table per form.
struct SmtpFormSpec {
    std::string_view className;
    const ui::DialogTemplate* dialogTemplate = nullptr;
    ui::smtp_ids::FamilyIds ids;
    SmtpLayout layout = SmtpLayout::P4;
    std::vector<ui::GenerateCheck> checks;
};

// An SMTP form: the texts, the picture limit and the folder are held; the lists hold their own
// selections. The mode and country changes and Generate live here once for both forms.
class SmtpForm : public ui::FormBase {
  public:
    SmtpForm(AppContext& context, SmtpFormSpec spec);

    void onInit(ui::DialogWindow& window) override;
    void onEditChange(int id) override;
    void onListPick(int id) override;
    void onListCloseUp(int id) override;

    const ui::smtp_ids::FamilyIds& ids() const { return m_spec.ids; }
    bool remoteOn() const;
    // The catalogue's GPRS data of the selected country and operator (what Auto mode writes).
    GprsConnection autoConnection() const;

  protected:
    void onButton(int id) override;
    ui::CardContent readCard(std::span<const std::uint8_t> bytes) const override;

  private:
    bool manual() const;
    void changeMode();
    void generate();
    bool storable(const SmtpTexts& texts);
    LanguageId language() const { return m_context.state.languageId; }

    AppContext& m_context;
    SmtpFormSpec m_spec;
    OperatorLists m_lists;
};

// Generate's checks of both forms, in their order; the P4 form also checks a short phone number.
std::vector<ui::GenerateCheck> smtpChecks(const ui::smtp_ids::FamilyIds& ids, bool shortPhoneFails);

} // namespace quorvex::smtp
