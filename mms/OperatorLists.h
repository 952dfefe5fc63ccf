// SPDX-License-Identifier: MIT
#pragma once

#include "card/SettingsHeaderSchema.h"
#include "core/Language.h"
#include "ui/Dialog.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace quorvex {

// The Country and Operator lists of a messaging form, whichever catalogue is behind them: the
// MMS forms use the MMS catalogue, the SMTP forms the GPRS one.
class OperatorCatalogueView {
  public:
    virtual ~OperatorCatalogueView() = default;
    virtual std::vector<std::string_view> countries(LanguageId language) const = 0;
    virtual std::vector<std::string_view> operators(std::size_t country,
                                                    LanguageId language) const = 0;
    // What the Operator list shows when the form opens (the first country's operators).
    virtual std::vector<std::string_view> openingOperators(LanguageId language) const {
        return operators(0, language);
    }
};

const OperatorCatalogueView& mmsCatalogueView();

// The SMS remote-control list of the messaging forms: the hours "0" to "24", then Off
// (kRemoteControlOff), selected; a position is the byte the files store.
void fillRemoteControl(ui::DialogWindow& window, int list, std::string_view offText);

// The two lists of a form and what they show: the catalogue in Auto mode, the single "Other"
// entry in Manual mode.
class OperatorLists final {
  public:
    OperatorLists(const OperatorCatalogueView& catalogue, int countryList, int operatorList)
        : m_catalogue(catalogue), m_country(countryList), m_operator(operatorList) {}

    // Every country, and the operators of the first, both at position 0; `opening` when the
    // form opens (some catalogues name the first country's operators differently then).
    void fill(ui::DialogWindow& window, LanguageId language, bool opening = false) const;
    // The operators of the country the list shows, position 0.
    void refillOperators(ui::DialogWindow& window, LanguageId language) const;
    // "Other" alone in both lists, selected.
    void showOther(ui::DialogWindow& window, LanguageId language) const;

  private:
    const OperatorCatalogueView& m_catalogue;
    int m_country;
    int m_operator;
};

} // namespace quorvex
