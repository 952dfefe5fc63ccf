// SPDX-License-Identifier: MIT
#include "smtp/GprsCatalogueView.h"

#include "card/GprsOperatorCatalogue.h"

namespace quorvex {

namespace {

class GprsCatalogueView final : public OperatorCatalogueView {
  public:
    std::vector<std::string_view> countries(LanguageId language) const override {
        const auto names = gprsCountryNames(language);
        return {names.begin(), names.end()};
    }
    std::vector<std::string_view> operators(std::size_t country, LanguageId) const override {
        const auto names = gprsOperatorNames(country);
        return {names.begin(), names.end()};
    }
    std::vector<std::string_view> openingOperators(LanguageId language) const override {
        const auto names = gprsStartupOperatorNames(language);
        return {names.begin(), names.end()};
    }
};

} // namespace

const OperatorCatalogueView& gprsCatalogueView() {
    static const GprsCatalogueView kView;
    return kView;
}

} // namespace quorvex
