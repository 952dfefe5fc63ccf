// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace quorvex {

// The MMS connection settings of one operator, in the order of the form fields they fill.
// An unknown value is the empty text. All values are ASCII, so their byte length is the
// character count the camera sees.
struct OperatorProfile {
    std::string_view mmscUrl{};
    std::string_view apn{};
    std::string_view gateway{}; // IPv4 of the MMS proxy, passed on exactly as written
    std::string_view port{};
    std::string_view account{};
    std::string_view password{};

    friend constexpr bool operator==(const OperatorProfile&, const OperatorProfile&) = default;
};

// Longest values the MMS form fields take (account and password stay far below their edits).
inline constexpr std::size_t kMaxMmscUrlLength = 50;
inline constexpr std::size_t kMaxApnLength = 30;
inline constexpr std::size_t kMaxGatewayLength = 20;
inline constexpr std::size_t kMaxPortLength = 10;
inline constexpr std::size_t kMaxAccountLength = 20;
inline constexpr std::size_t kMaxPasswordLength = 20;

} // namespace quorvex
