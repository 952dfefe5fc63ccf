// SPDX-License-Identifier: MIT
#include "card/GprsOperatorCatalogue.h"

#include "card/CountryList.h"
#include "card/MmsOperatorCatalogue.h"
#include "card/OemCodePage.h"

namespace quorvex {
namespace {

// Every value has to reach the camera unchanged: plain ASCII (the same bytes in every code
// page) and within the lengths the camera is known to take.
constexpr bool fitsItsField(const GprsConnection& c) {
    return isAsciiText(c.apn) && isAsciiText(c.account) && isAsciiText(c.password) &&
           c.apn.size() <= kMaxGprsApnLength && c.account.size() <= kMaxGprsAccountLength &&
           c.password.size() <= kMaxGprsPasswordLength;
}

constexpr bool everyConnectionFits() {
    for (const GprsOperatorRow& row : GprsOperatorCatalogue)
        for (const GprsOperator& entry : row)
            if (!fitsItsField(entry.connection))
                return false;
    return true;
}
static_assert(everyConnectionFits());

// Slots past a row's count are never offered, so they must not carry stray data.
constexpr bool unusedSlotsEmpty() {
    for (std::size_t row = 0; row < kGprsCountryCount; ++row)
        for (auto slot = static_cast<std::size_t>(GprsOperatorCount[row]);
             slot < kGprsOperatorSlots; ++slot)
            if (!GprsOperatorCatalogue[row][slot].name.empty() ||
                !(GprsOperatorCatalogue[row][slot].connection == GprsConnection{}))
                return false;
    return true;
}
static_assert(unusedSlotsEmpty());

constexpr bool everyRowOffersOneToEight() {
    for (std::size_t row = 0; row < kGprsCountryCount; ++row)
        if (GprsOperatorCount[row] < 1 || GprsOperatorCount[row] > 8)
            return false;
    return GprsOperatorCount[42] == 0 && GprsOperatorCount[43] == 0;
}
static_assert(everyRowOffersOneToEight());

constexpr std::size_t totalOperators() {
    std::size_t total = 0;
    for (std::int8_t count : GprsOperatorCount)
        total += static_cast<std::size_t>(count);
    return total;
}
static_assert(totalOperators() == 116);

} // namespace

std::array<std::string_view, kGprsCountryCount> gprsCountryNames(LanguageId language) {
    std::array<std::string_view, kGprsCountryCount> names{};
    for (std::size_t row = 0; row < kGprsCountryCount; ++row)
        names[row] = countryName(language, countryListEntryForGprsRow(row));
    return names;
}

std::string_view gprsCountryName(LanguageId language, std::size_t row) {
    if (row >= kGprsCountryCount)
        return {};
    return countryName(language, countryListEntryForGprsRow(row));
}

std::size_t gprsOperatorCount(std::size_t row) {
    return row < kGprsCountryCount ? static_cast<std::size_t>(GprsOperatorCount[row]) : 0;
}

std::span<const std::string_view> gprsOperatorNames(std::size_t row) {
    if (row >= kGprsCountryCount)
        return {};
    return std::span<const std::string_view>(GprsOperatorNames[row]).first(gprsOperatorCount(row));
}

std::span<const std::string_view> gprsStartupOperatorNames(LanguageId language) {
    if (language == kChinese)
        return kChinaOperatorNamesChinese;
    return gprsOperatorNames(0);
}

GprsConnection gprsConnection(std::size_t row, std::size_t slot) {
    if (slot >= gprsOperatorCount(row))
        return {};
    return GprsOperatorCatalogue[row][slot].connection;
}

} // namespace quorvex
