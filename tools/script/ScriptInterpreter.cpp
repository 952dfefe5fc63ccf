// SPDX-License-Identifier: MIT
#include "tools/script/ScriptInterpreter.h"

#include "app/CSetupApp.h"
#include "app/FilePreferencesStore.h"
#include "app/SystemLanguage.h"

#include <cstdio>
#include <limits>

namespace quorvex::script {

namespace {

std::optional<long long> parseInt(std::string_view text) {
    if (text.empty() || text.size() > 12) return std::nullopt;
    long long value = 0;
    std::size_t i = 0;
    const bool negative = text[0] == '-';
    if (negative) i = 1;
    if (i == text.size()) return std::nullopt;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

// "ID REST" -> the id and the rest after one space.
std::optional<std::pair<int, std::string>> idAndRest(const std::string& text) {
    const auto space = text.find(' ');
    const auto id = parseInt(std::string_view(text).substr(0, space));
    if (!id || *id < 0 || *id > std::numeric_limits<int>::max()) return std::nullopt;
    return std::pair{static_cast<int>(*id), space == std::string::npos ? std::string() : text.substr(space + 1)};
}

std::optional<ui::LocalTime> parseClock(const std::string& text) {
    ui::LocalTime t;
    char tail = 0;
    if (text.size() != 19 ||
        std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &t.year, &t.month, &t.day, &t.hour,
                    &t.minute, &t.second, &tail) != 6)
        return std::nullopt;
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59 ||
        t.second > 59)
        return std::nullopt;
    return t;
}

const char* kindName(ui::ControlKind kind) {
    switch (kind) {
    case ui::ControlKind::Edit: return "an edit";
    case ui::ControlKind::List: return "a list";
    case ui::ControlKind::Button: return "a button";
    case ui::ControlKind::Static: return "a static";
    case ui::ControlKind::GroupBox: return "a group box";
    }
    return "a control";
}

} // namespace

ScriptInterpreter::ScriptInterpreter(std::istream& script, std::ostream& errors,
                                     ui::ScriptedHost& host, ui::Transcript& transcript,
                                     const FormRegistry& forms)
    : m_script(script), m_errors(errors), m_host(host), m_transcript(transcript), m_forms(forms) {}

std::optional<ScriptInterpreter::Line> ScriptInterpreter::nextLine() {
    std::string text;
    while (std::getline(m_script, text)) {
        ++m_lineNumber;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        const auto first = text.find_first_not_of(" \t");
        if (first == std::string::npos || text[first] == '#') continue;
        Line line;
        line.number = m_lineNumber;
        const auto space = text.find(' ', first);
        line.command = text.substr(first, space == std::string::npos ? std::string::npos : space - first);
        if (space != std::string::npos) line.rest = text.substr(space + 1);
        return line;
    }
    return std::nullopt;
}

ScriptInterpreter::Status ScriptInterpreter::fail(const Line& line, const std::string& why) {
    m_errors << "error: line " << line.number << ": " << why << '\n';
    m_exit = 1;
    return Status::Failed;
}

ScriptInterpreter::Status ScriptInterpreter::malformed(const Line& line, const std::string& why) {
    m_errors << "error: line " << line.number << ": " << why << '\n';
    m_exit = 2;
    return Status::Malformed;
}

std::string ScriptInterpreter::preferencesPath() const {
    return m_preferences ? *m_preferences : FilePreferencesStore::defaultPath();
}

int ScriptInterpreter::run() {
    m_host.setStep([this](ui::ScriptedHost&) { return stepInsideProgram(); });
    while (!m_stopped) {
        const auto line = nextLine();
        if (!line) break;
        if (execute(*line, false) != Status::Done) break;
    }
    return m_exit;
}

// A window waits for the user: carry out the next line, or stop the program.
bool ScriptInterpreter::stepInsideProgram() {
    if (m_stopped) return false;
    const auto line = nextLine();
    if (!line || execute(*line, true) != Status::Done) {
        m_stopped = true;
        return false;
    }
    return true;
}

ScriptInterpreter::Status ScriptInterpreter::execute(const Line& line, bool running) {
    const std::string& c = line.command;
    if (c == "prefs" || c == "system-language" || c == "store" || c == "store-delete" || c == "start") {
        if (c == "prefs") {
            if (line.rest.empty()) return malformed(line, "prefs needs a path");
        } else if (c == "system-language") {
            const auto id = parseInt(line.rest);
            if (!id || *id < 0 || *id > 0xFFFF) return malformed(line, "system-language needs an id 0-65535");
        } else if (c == "start") {
            if (!line.rest.empty()) return malformed(line, "start takes nothing");
        }
        if (running) return fail(line, c + " is not possible while the program runs");
        if (c == "prefs") {
            m_preferences = line.rest;
        } else if (c == "system-language") {
            m_systemLanguage = static_cast<std::uint16_t>(*parseInt(line.rest));
        } else if (c == "start") {
            return startProgram();
        } else {
            const bool remove = c == "store-delete";
            const auto space = line.rest.find(' ');
            const std::string name = remove ? line.rest : line.rest.substr(0, space);
            const bool numeric = name == "language" || name == "model" || name == "TvMode";
            if (!numeric && name != "Company") return malformed(line, "unknown preference '" + name + "'");
            std::optional<std::string> value;
            if (!remove) {
                if (space == std::string::npos) return malformed(line, "store needs a name and a value");
                value = line.rest.substr(space + 1);
                if (numeric && !parseUint32(*value))
                    return malformed(line, name + " takes a 32-bit unsigned decimal");
            }
            FilePreferencesStore store(preferencesPath(), kEnglish);
            if (!store.editValue(name, value)) return fail(line, "cannot edit " + preferencesPath());
        }
        return Status::Done;
    }
    if (c == "clock") {
        const auto time = parseClock(line.rest);
        if (!time) return malformed(line, "clock takes YYYY-MM-DD HH:MM:SS");
        m_host.fixClock(*time);
        return Status::Done;
    }
    if (c == "folder") {
        if (line.rest.empty()) return malformed(line, "folder needs a path or 'cancel'");
        m_host.queueFolder(line.rest == "cancel" ? std::nullopt : std::optional(line.rest));
        return Status::Done;
    }
    return windowCommand(line);
}

ScriptInterpreter::Status ScriptInterpreter::startProgram() {
    FilePreferencesStore store(preferencesPath(), languageForSystemId(m_systemLanguage));
    CSetupApp app(store, m_host, m_forms);
    if (app.run(m_systemLanguage) == CSetupApp::Outcome::Ended) {
        m_transcript.programEnded();
        return Status::Done;
    }
    m_stopped = true;
    return m_exit == 0 ? Status::Done : Status::Failed;
}

ScriptInterpreter::Status ScriptInterpreter::windowCommand(const Line& line) {
    const std::string& c = line.command;
    enum class Needs { None, Id, IdPos, IdText };
    struct Shape {
        const char* name;
        Needs needs;
    };
    static constexpr Shape kShapes[] = {
        {"select", Needs::IdPos}, {"close-list", Needs::Id}, {"type", Needs::IdText},
        {"clear", Needs::Id},     {"click", Needs::Id},      {"key", Needs::None},
        {"close", Needs::None},   {"menu", Needs::None},     {"show", Needs::None},
        {"screenshot", Needs::None}};
    const Shape* shape = nullptr;
    for (const Shape& s : kShapes)
        if (c == s.name) shape = &s;
    if (!shape) return malformed(line, "unknown command '" + c + "'");

    // Parse everything first: a malformed line is a usage error even without a window.
    int id = -1;
    int position = 0;
    std::string text;
    if (shape->needs != Needs::None) {
        const auto parsed = idAndRest(line.rest);
        if (!parsed) return malformed(line, c + " needs a control id");
        id = parsed->first;
        text = parsed->second;
        if (shape->needs == Needs::Id && !text.empty()) return malformed(line, c + " takes only a control id");
        if (shape->needs == Needs::IdPos) {
            const auto pos = parseInt(text);
            if (!pos || *pos < 0 || *pos > std::numeric_limits<int>::max())
                return malformed(line, "select needs a position");
            position = static_cast<int>(*pos);
        }
    }
    if (c == "key" && line.rest != "enter" && line.rest != "esc") return malformed(line, "key takes enter or esc");
    if ((c == "close") && !line.rest.empty()) return malformed(line, "close takes nothing");
    if (c == "menu" && line.rest != "about") return malformed(line, "menu takes about");
    if (c == "screenshot" && line.rest.empty()) return malformed(line, "screenshot needs a path");
    std::optional<int> showId;
    if (c == "show" && !line.rest.empty()) {
        const auto parsed = idAndRest(line.rest);
        if (!parsed || !parsed->second.empty()) return malformed(line, "show takes a control id or nothing");
        showId = parsed->first;
    }

    if (!m_host.hasWindow()) return fail(line, "no window is open");
    if (c == "key") {
        m_host.userKey(line.rest == "enter" ? ui::Key::Enter : ui::Key::Esc);
        return Status::Done;
    }
    if (c == "close") {
        m_host.userClose();
        return Status::Done;
    }
    if (c == "menu") {
        if (!m_host.hasAboutMenu()) return fail(line, "this window has no About item");
        m_host.userMenuAbout();
        return Status::Done;
    }
    if (c == "screenshot") {
        std::string reason;
        if (!m_host.screenshot(line.rest, reason)) return fail(line, "cannot write a screenshot: " + reason);
        return Status::Done;
    }
    if (c == "show") {
        if (!showId) {
            for (int each : m_host.controlIds()) m_transcript.control(*m_host.controlState(each));
            return Status::Done;
        }
        id = *showId;
    }

    const auto state = m_host.controlState(id);
    if (!state) return fail(line, "no control " + std::to_string(id) + " in this window");
    if (c == "show") {
        m_transcript.control(*state);
        return Status::Done;
    }
    const bool isList = state->kind == ui::ControlKind::List;
    const bool isEdit = state->kind == ui::ControlKind::Edit;
    const bool clickable = state->kind == ui::ControlKind::Button ||
                           (state->kind == ui::ControlKind::Static && state->link);
    const char* wanted = nullptr;
    if ((c == "select" || c == "close-list") && !isList) wanted = "a list";
    if ((c == "type" || c == "clear") && !isEdit) wanted = "an edit";
    if (c == "click" && !clickable) wanted = "a button";
    if (wanted)
        return fail(line, "control " + std::to_string(id) + " is " + kindName(state->kind) + ", not " + wanted);
    if (!state->visible) return fail(line, "control " + std::to_string(id) + " is hidden");
    if (!state->enabled) return fail(line, "control " + std::to_string(id) + " is disabled");

    if (c == "select") {
        if (position >= static_cast<int>(state->items.size()))
            return fail(line, "list " + std::to_string(id) + " has " + std::to_string(state->items.size()) +
                                  " entries");
        m_host.userSelect(id, position);
    } else if (c == "close-list") {
        m_host.userCloseList(id);
    } else if (c == "type") {
        m_host.userType(id, text);
    } else if (c == "clear") {
        m_host.userClear(id);
    } else if (c == "click") {
        m_host.userClick(id);
    }
    return Status::Done;
}

} // namespace quorvex::script
