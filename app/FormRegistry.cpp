// SPDX-License-Identifier: MIT
#include "app/FormRegistry.h"

namespace quorvex {

void FormRegistry::add(std::string_view className, Factory factory) {
    m_factories.insert_or_assign(std::string(className), std::move(factory));
}

bool FormRegistry::has(std::string_view className) const {
    return m_factories.find(className) != m_factories.end();
}

std::unique_ptr<ui::Dialog> FormRegistry::create(std::string_view className,
                                                 AppContext& context) const {
    const auto it = m_factories.find(className);
    return it == m_factories.end() ? nullptr : it->second(context);
}

} // namespace quorvex
