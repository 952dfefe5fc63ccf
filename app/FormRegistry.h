// SPDX-License-Identifier: MIT
#pragma once

#include "app/ConfiguratorDispatch.h"
#include "ui/AppContext.h"
#include "ui/Dialog.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace quorvex {

// The configurators by kind, each with its class name. The program registers each form it has;
// the main window only names kinds, so the shell never depends on the form folders.
class FormRegistry {
  public:
    using Factory = std::function<std::unique_ptr<ui::Dialog>(AppContext&)>;

    void add(FormKind kind, std::string_view className, Factory factory);
    bool has(FormKind kind) const;
    // The class registered for `kind`; empty when none is.
    std::string_view className(FormKind kind) const;
    std::unique_ptr<ui::Dialog> create(FormKind kind, AppContext& context) const;

  private:
    struct Entry {
        std::string className;
        Factory factory;
    };
    std::map<FormKind, Entry> m_forms;
};

} // namespace quorvex
