// SPDX-License-Identifier: MIT
#include "card/CountryList.h"

namespace quorvex {
namespace {

const CountryRow& rowFor(LanguageId language) {
    return CountryList[static_cast<std::size_t>(isValidLanguage(language) ? language - 1
                                                                          : kEnglish - 1)];
}

constexpr bool noEmptyNames() {
    for (const CountryRow& row : CountryList)
        for (std::string_view name : row)
            if (name.empty())
                return false;
    return true;
}
static_assert(noEmptyNames());

} // namespace

std::span<const std::string_view, kCountryCount> countryNames(LanguageId language) {
    return std::span<const std::string_view, kCountryListLength>(rowFor(language))
        .first<kCountryCount>();
}

std::string_view countryName(LanguageId language, std::size_t country) {
    const CountryRow& row = rowFor(language);
    return country < row.size() ? row[country] : std::string_view{};
}

} // namespace quorvex
