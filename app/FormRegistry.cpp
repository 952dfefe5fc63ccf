// SPDX-License-Identifier: MIT
#include "app/FormRegistry.h"

namespace quorvex {

void FormRegistry::add(FormKind kind, std::string_view className, Factory factory) {
    m_forms.insert_or_assign(kind, Entry{std::string(className), std::move(factory)});
}

bool FormRegistry::has(FormKind kind) const {
    return m_forms.contains(kind);
}

std::string_view FormRegistry::className(FormKind kind) const {
    const auto it = m_forms.find(kind);
    return it == m_forms.end() ? std::string_view{} : std::string_view(it->second.className);
}

std::unique_ptr<ui::Dialog> FormRegistry::create(FormKind kind, AppContext& context) const {
    const auto it = m_forms.find(kind);
    return it == m_forms.end() ? nullptr : it->second.factory(context);
}

} // namespace quorvex
