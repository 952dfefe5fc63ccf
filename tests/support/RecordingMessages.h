// SPDX-License-Identifier: MIT
#pragma once

#include "core/InfoMessages.h"

#include <string>
#include <utility>
#include <vector>

namespace quorvex::testing {

// Keeps every message and written file, in order, for the tests to look at.
class RecordingMessages final : public ui::InfoMessages {
  public:
    void showInfoMessage(std::string_view text) override { messages.emplace_back(text); }
    void showWarningMessage(std::string_view text) override { warnings.emplace_back(text); }
    void showValidationMessage(std::string_view text) override { validation.emplace_back(text); }
    void fileWritten(std::string_view path, std::size_t size) override {
        written.emplace_back(std::string(path), size);
    }

    std::vector<std::string> messages;
    std::vector<std::string> warnings;
    std::vector<std::string> validation;
    std::vector<std::pair<std::string, std::size_t>> written;
};

} // namespace quorvex::testing
