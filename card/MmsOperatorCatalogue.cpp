// SPDX-License-Identifier: MIT
#include "card/MmsOperatorCatalogue.h"
#include "card/OemCodePage.h"

namespace quorvex {
namespace {

// Every value has to reach the camera unchanged: plain ASCII (the same bytes in every code
// page) and short enough for its form field and its setup.dat record.
constexpr bool fitsItsField(const OperatorProfile& p) {
    return isAsciiText(p.mmscUrl) && isAsciiText(p.apn) && isAsciiText(p.gateway) &&
           isAsciiText(p.port) && isAsciiText(p.account) && isAsciiText(p.password) &&
           p.mmscUrl.size() <= kMaxMmscUrlLength && p.apn.size() <= kMaxApnLength &&
           p.gateway.size() <= kMaxGatewayLength && p.port.size() <= kMaxPortLength &&
           p.account.size() <= kMaxAccountLength && p.password.size() <= kMaxPasswordLength;
}

constexpr bool everyProfileFits() {
    for (const OperatorProfileRow& row : MmsOperatorCatalogue)
        for (const OperatorProfile& profile : row)
            if (!fitsItsField(profile))
                return false;
    return true;
}
static_assert(everyProfileFits());

// Slots past a country's count are never offered, so they must not carry stray data.
constexpr bool unusedSlotsEmpty() {
    for (std::size_t country = 0; country < kCountryCount; ++country)
        for (std::size_t slot = OperatorCount[country]; slot < kOperatorSlots; ++slot)
            if (!OperatorNames[country][slot].empty() ||
                !(MmsOperatorCatalogue[country][slot] == OperatorProfile{}))
                return false;
    return true;
}
static_assert(unusedSlotsEmpty());

constexpr std::size_t totalOperators() {
    std::size_t total = 0;
    for (std::uint8_t count : OperatorCount)
        total += count;
    return total;
}
static_assert(totalOperators() == 136);

} // namespace

std::size_t operatorCount(std::size_t country) {
    return country < OperatorCount.size() ? OperatorCount[country] : 0;
}

std::span<const std::string_view> operatorNames(std::size_t country, LanguageId language) {
    if (country >= OperatorNames.size())
        return {};
    if (country == 0 && language == kChinese)
        return kChinaOperatorNamesChinese;
    return std::span<const std::string_view>(OperatorNames[country]).first(OperatorCount[country]);
}

OperatorProfile operatorProfile(std::size_t country, std::size_t operatorIndex) {
    if (operatorIndex >= operatorCount(country))
        return {};
    return MmsOperatorCatalogue[country][operatorIndex];
}

} // namespace quorvex
