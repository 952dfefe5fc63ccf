// SPDX-License-Identifier: MIT
#pragma once

#include "card/GprsOperator.h"
#include "card/GprsOperatorData.h"
#include "core/Language.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace quorvex {

using GprsOperatorNameRow = std::array<std::string_view, kGprsOperatorSlots>;

// The count table keeps two spare entries past the last row; they stay 0.
inline constexpr std::size_t kGprsOperatorCountLength = 44;

namespace gprs_catalogue_detail {

// The offered operators of a row are its leading named slots.
constexpr std::int8_t namedSlots(const GprsOperatorRow& row) {
    std::int8_t count = 0;
    while (static_cast<std::size_t>(count) < row.size() &&
           !row[static_cast<std::size_t>(count)].name.empty())
        ++count;
    return count;
}

constexpr std::array<std::int8_t, kGprsOperatorCountLength> counts() {
    std::array<std::int8_t, kGprsOperatorCountLength> result{};
    for (std::size_t row = 0; row < kGprsCountryCount; ++row)
        result[row] = namedSlots(kGprsOperatorRows[row]);
    return result;
}

constexpr std::array<GprsOperatorNameRow, kGprsCountryCount> names() {
    std::array<GprsOperatorNameRow, kGprsCountryCount> result{};
    for (std::size_t row = 0; row < kGprsCountryCount; ++row)
        for (std::size_t slot = 0; slot < kGprsOperatorSlots; ++slot)
            result[row][slot] = kGprsOperatorRows[row][slot].name;
    return result;
}

} // namespace gprs_catalogue_detail

// The SMTP forms' country rows: ten operator slots each, names and connection data.
inline constexpr const std::array<GprsOperatorRow, kGprsCountryCount>& GprsOperatorCatalogue =
    kGprsOperatorRows;
// Per row: how many of its slots the Operator list offers.
inline constexpr std::array<std::int8_t, kGprsOperatorCountLength> GprsOperatorCount =
    gprs_catalogue_detail::counts();
// Per row: the ten slot names, the same in every language; slots past the count are empty.
inline constexpr std::array<GprsOperatorNameRow, kGprsCountryCount> GprsOperatorNames =
    gprs_catalogue_detail::names();

// Row 41 (Israel) skips CountryList entry 41, Cayman Islands, which has no GPRS operators;
// entry 43, the second Ukraine, is offered by no form.
constexpr std::size_t countryListEntryForGprsRow(std::size_t row) {
    return row + 1 == kGprsCountryCount ? row + 1 : row;
}

// The Country list of the SMTP forms: one name per catalogue row, in row order. An unknown
// language gets the English names, as every CountryList lookup does.
std::array<std::string_view, kGprsCountryCount> gprsCountryNames(LanguageId language);

// The name of one row; empty past the last row.
std::string_view gprsCountryName(LanguageId language, std::size_t row);

// The number of operators a row offers; 0 past the last row.
std::size_t gprsOperatorCount(std::size_t row);

// The Operator list of a row: its first GprsOperatorCount names; empty past the last row.
std::span<const std::string_view> gprsOperatorNames(std::size_t row);

// What a form shows in its Operator list when it opens: China's two operators, in Chinese
// for LanguageId 1. Later refills use gprsOperatorNames.
std::span<const std::string_view> gprsStartupOperatorNames(LanguageId language);

// The connection data at (row, slot). The forms pass their list positions unchecked, and
// the two lists can disagree, so any slot the row does not offer gives empty data.
GprsConnection gprsConnection(std::size_t row, std::size_t slot);

} // namespace quorvex
