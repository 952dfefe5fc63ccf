// SPDX-License-Identifier: MIT
#pragma once

#include "card/CountryList.h"
#include "card/MmsOperatorData.h"
#include "card/OperatorProfile.h"
#include "core/Language.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace quorvex {

using OperatorNameRow = std::array<std::string_view, kOperatorSlots>;
using OperatorProfileRow = std::array<OperatorProfile, kOperatorSlots>;

namespace mms_catalogue_detail {

// The offered operators of a row are its leading named slots.
constexpr std::uint8_t namedSlots(const OperatorRow& row) {
    std::uint8_t count = 0;
    while (count < row.size() && !row[count].name.empty())
        ++count;
    return count;
}

constexpr std::array<std::uint8_t, kCountryCount> counts() {
    std::array<std::uint8_t, kCountryCount> result{};
    for (std::size_t country = 0; country < kCountryCount; ++country)
        result[country] = namedSlots(kMmsOperatorRows[country]);
    return result;
}

constexpr std::array<OperatorNameRow, kCountryCount> names() {
    std::array<OperatorNameRow, kCountryCount> result{};
    for (std::size_t country = 0; country < kCountryCount; ++country)
        for (std::size_t slot = 0; slot < kOperatorSlots; ++slot)
            result[country][slot] = kMmsOperatorRows[country][slot].name;
    return result;
}

constexpr std::array<OperatorProfileRow, kCountryCount> profiles() {
    std::array<OperatorProfileRow, kCountryCount> result{};
    for (std::size_t country = 0; country < kCountryCount; ++country)
        for (std::size_t slot = 0; slot < kOperatorSlots; ++slot)
            result[country][slot] = kMmsOperatorRows[country][slot].profile;
    return result;
}

} // namespace mms_catalogue_detail

// Per country: how many operators the MMS forms offer.
inline constexpr std::array<std::uint8_t, kCountryCount> OperatorCount =
    mms_catalogue_detail::counts();
// Per country: ten operator names, the same in every language; slots past the count are empty.
inline constexpr std::array<OperatorNameRow, kCountryCount> OperatorNames =
    mms_catalogue_detail::names();
// Per country: ten connection profiles in the order of OperatorNames.
inline constexpr std::array<OperatorProfileRow, kCountryCount> MmsOperatorCatalogue =
    mms_catalogue_detail::profiles();

// What a Chinese interface shows for China's two operators.
inline constexpr std::array<std::string_view, 2> kChinaOperatorNamesChinese{"中国移动", "中国联通"};

// The number of operators offered for a country; 0 for a position past the country list.
std::size_t operatorCount(std::size_t country);

// The operator list of a country: its first OperatorCount names, China's in Chinese for
// LanguageId 1; empty for a position past the country list.
std::span<const std::string_view> operatorNames(std::size_t country, LanguageId language);

// The profile behind a (country, operator) pair of the two lists; an empty profile for any
// position the lists do not offer.
OperatorProfile operatorProfile(std::size_t country, std::size_t operatorIndex);

} // namespace quorvex
