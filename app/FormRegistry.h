// SPDX-License-Identifier: MIT
#pragma once

#include "ui/AppContext.h"
#include "ui/Dialog.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace quorvex {

// Configurator classes by name. The program registers each form it has; the main window only
// names classes, so the shell never depends on the form folders.
class FormRegistry {
  public:
    using Factory = std::function<std::unique_ptr<ui::Dialog>(AppContext&)>;

    void add(std::string_view className, Factory factory);
    bool has(std::string_view className) const;
    std::unique_ptr<ui::Dialog> create(std::string_view className, AppContext& context) const;

  private:
    std::map<std::string, Factory, std::less<>> m_factories;
};

} // namespace quorvex
