// SPDX-License-Identifier: MIT
#pragma once

namespace quorvex {

// "MMS Mode" of the MMS and SMTP forms, in list order: connection settings from the built-in
// catalogue, or typed by the user. Both files store 1 for Auto and 0 for Manual in byte 55.
enum class DataSetupMode { Auto, Manual };

constexpr int dataModeByte(DataSetupMode mode) {
    return mode == DataSetupMode::Auto ? 1 : 0;
}

} // namespace quorvex
