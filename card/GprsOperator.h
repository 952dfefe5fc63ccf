// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace quorvex {

// What the SMTP forms copy into APN, Account and GPRS Password in Auto mode. An operator
// that needs no user name or password has them empty. All values are ASCII, so the byte
// length is the character count the camera sees.
struct GprsConnection {
    std::string_view apn{};
    std::string_view account{};
    std::string_view password{};

    friend constexpr bool operator==(const GprsConnection&, const GprsConnection&) = default;
};

// Longest values the catalogue holds; the form edits and smtp.dat records take more.
inline constexpr std::size_t kMaxGprsApnLength = 28;
inline constexpr std::size_t kMaxGprsAccountLength = 20;
inline constexpr std::size_t kMaxGprsPasswordLength = 11;

struct GprsOperator {
    std::string_view name{};
    GprsConnection connection{};
};

} // namespace quorvex
