// SPDX-License-Identifier: MIT
#include "ui/DialogHost.h"

#include "ui/RemovableVolumes.h"
#include "ui/ScriptedHost.h"

#include "core/SystemText.h"

#include <iostream>

namespace quorvex::ui {

std::string DialogHost::defaultFolder() const {
    if (auto home = environmentVariable("HOME"))
        return *home;
#ifdef _WIN32
    // Windows sets no HOME of its own; the user's profile folder is its home.
    if (auto profile = environmentVariable("USERPROFILE"))
        return *profile;
    return "C:\\";
#else
    return "/";
#endif
}

std::vector<std::string> DialogHost::removableVolumes() const {
    return systemRemovableVolumes();
}

std::optional<std::string> ScriptedHost::chooseFolder(const std::string& startFolder) {
    m_lastStart = startFolder;
    if (m_folders.empty())
        return std::nullopt;
    auto answer = std::move(m_folders.front());
    m_folders.pop_front();
    return answer;
}

std::vector<std::string> ScriptedHost::removableVolumes() const {
    return m_volumes ? *m_volumes : DialogHost::removableVolumes();
}

LocalTime ScriptedHost::localTime() {
    return m_fixedClock ? *m_fixedClock : systemLocalTime();
}

void ScriptedHost::log(std::string_view text) {
    std::cerr << "log: " << text << '\n';
}

} // namespace quorvex::ui
