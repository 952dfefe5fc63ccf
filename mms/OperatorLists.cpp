// SPDX-License-Identifier: MIT
#include "mms/OperatorLists.h"

#include "card/CountryList.h"
#include "card/MmsOperatorCatalogue.h"
#include "mms/OtherText.h"

#include <string>

namespace quorvex {

namespace {

class MmsCatalogueView final : public OperatorCatalogueView {
  public:
    std::vector<std::string_view> countries(LanguageId language) const override {
        const auto names = countryNames(language);
        return {names.begin(), names.end()};
    }
    std::vector<std::string_view> operators(std::size_t country,
                                            LanguageId language) const override {
        const auto names = operatorNames(country, language);
        return {names.begin(), names.end()};
    }
};

void fillList(ui::DialogWindow& window, int id, const std::vector<std::string_view>& entries) {
    window.clearList(id);
    for (std::string_view entry : entries)
        window.addItem(id, entry);
    window.select(id, entries.empty() ? -1 : 0);
}

} // namespace

const OperatorCatalogueView& mmsCatalogueView() {
    static const MmsCatalogueView kView;
    return kView;
}

void fillRemoteControl(ui::DialogWindow& window, int list, std::string_view offText) {
    window.clearList(list);
    for (int hour = 0; hour < kRemoteControlOff; ++hour)
        window.addItem(list, std::to_string(hour));
    window.addItem(list, offText);
    window.select(list, kRemoteControlOff);
}

void OperatorLists::fill(ui::DialogWindow& window, LanguageId language, bool opening) const {
    fillList(window, m_country, m_catalogue.countries(language));
    if (opening)
        fillList(window, m_operator, m_catalogue.openingOperators(language));
    else
        refillOperators(window, language);
}

void OperatorLists::refillOperators(ui::DialogWindow& window, LanguageId language) const {
    const int country = window.selected(m_country);
    fillList(window, m_operator,
             country < 0 ? std::vector<std::string_view>{}
                         : m_catalogue.operators(static_cast<std::size_t>(country), language));
}

void OperatorLists::showOther(ui::DialogWindow& window, LanguageId language) const {
    const std::vector<std::string_view> other{textFor(OtherText, language)};
    fillList(window, m_country, other);
    fillList(window, m_operator, other);
}

} // namespace quorvex
