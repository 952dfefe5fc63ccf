// SPDX-License-Identifier: MIT
#include "tools/script/ScriptInterpreter.h"
#include "core/SystemText.h"

#include "app/CSetupApp.h"
#include "app/FilePreferencesStore.h"
#include "app/SystemLanguage.h"

#include "core/Utf8.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string_view>

namespace quorvex::script {

namespace {

std::optional<long long> parseInt(std::string_view text) {
    if (text.empty() || text.size() > 12)
        return std::nullopt;
    long long value = 0;
    std::size_t i = 0;
    const bool negative = text[0] == '-';
    if (negative)
        i = 1;
    if (i == text.size())
        return std::nullopt;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

// A control id or list position: decimal digits of any length. Values past int's range saturate,
// so a huge id names no control and a huge position lies past the end of every list.
std::optional<int> parseCount(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min<long long>(value * 10 + (c - '0'), std::numeric_limits<int>::max());
    }
    return static_cast<int>(value);
}

struct IdAndRest {
    int id;
    std::string idText; // as written, for messages about ids past int's range
    std::string rest;   // after one space
};

std::optional<IdAndRest> idAndRest(const std::string& text) {
    const auto space = text.find(' ');
    const std::string idText = text.substr(0, space);
    const auto id = parseCount(idText);
    if (!id)
        return std::nullopt;
    return IdAndRest{*id, idText,
                     space == std::string::npos ? std::string() : text.substr(space + 1)};
}

// Exactly "YYYY-MM-DD HH:MM:SS", digits only, and a time a clock can show.
std::optional<ui::LocalTime> parseClock(const std::string& text) {
    static constexpr std::string_view kShape = "dddd-dd-dd dd:dd:dd";
    if (text.size() != kShape.size())
        return std::nullopt;
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kShape[i] == 'd' ? !digit : text[i] != kShape[i])
            return std::nullopt;
    }
    const auto number = [&](std::size_t at, std::size_t length) {
        int value = 0;
        for (std::size_t i = at; i < at + length; ++i)
            value = value * 10 + (text[i] - '0');
        return value;
    };
    ui::LocalTime t{number(0, 4),  number(5, 2),  number(8, 2),
                    number(11, 2), number(14, 2), number(17, 2)};
    const bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (t.month < 1 || t.month > 12)
        return std::nullopt;
    const int days = kDays[t.month - 1] + (t.month == 2 && leap ? 1 : 0);
    if (t.day < 1 || t.day > days || t.hour > 23 || t.minute > 59 || t.second > 59)
        return std::nullopt;
    return t;
}

const char* kindName(ui::ControlKind kind) {
    switch (kind) {
    case ui::ControlKind::Edit:
        return "an edit";
    case ui::ControlKind::List:
        return "a list";
    case ui::ControlKind::Button:
        return "a button";
    case ui::ControlKind::Static:
        return "a static";
    case ui::ControlKind::GroupBox:
        return "a group box";
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
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        const auto first = text.find_first_not_of(" \t");
        if (first == std::string::npos || text[first] == '#')
            continue;
        Line line;
        line.number = m_lineNumber;
        const auto space = text.find(' ', first);
        line.command =
            text.substr(first, space == std::string::npos ? std::string::npos : space - first);
        if (space != std::string::npos)
            line.rest = text.substr(space + 1);
        return line;
    }
    // A script that cannot be read (a folder, a read error) must not pass for one that ended.
    if (m_script.bad() && m_exit == 0) {
        m_errors << "error: cannot read the script after line " << m_lineNumber << '\n';
        m_exit = 2;
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
        if (!line)
            break;
        if (execute(*line, false) != Status::Done)
            break;
    }
    return m_exit;
}

// A window waits for the user: carry out the next line, or stop the program.
bool ScriptInterpreter::stepInsideProgram() {
    if (m_stopped)
        return false;
    const auto line = nextLine();
    if (!line || execute(*line, true) != Status::Done) {
        m_stopped = true;
        return false;
    }
    return true;
}

ScriptInterpreter::Status ScriptInterpreter::execute(const Line& line, bool running) {
    const std::string& c = line.command;
    if (c == "prefs" || c == "system-language" || c == "store" || c == "store-delete" ||
        c == "start") {
        if (c == "prefs") {
            if (line.rest.empty())
                return malformed(line, "prefs needs a path");
        } else if (c == "system-language") {
            const auto id = parseInt(line.rest);
            if (!id || *id < 0 || *id > 0xFFFF)
                return malformed(line, "system-language needs an id 0-65535");
        } else if (c == "start") {
            if (!line.rest.empty())
                return malformed(line, "start takes nothing");
        }
        if (running)
            return fail(line, c + " is not possible while the program runs");
        // Every run of one script uses the same preferences file; the system language may change
        // between two runs, as a person may change it between two starts.
        if (m_started && c == "prefs")
            return fail(line, c + " is possible only before the first start");
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
            if (!numeric && name != "Company")
                return malformed(line, "unknown preference '" + name + "'");
            std::optional<std::string> value;
            if (!remove) {
                if (space == std::string::npos)
                    return malformed(line, "store needs a name and a value");
                value = line.rest.substr(space + 1);
                if (numeric && !parseUint32(*value))
                    return malformed(line, name + " takes a 32-bit unsigned decimal");
            }
            FilePreferencesStore store(preferencesPath(), kEnglish);
            if (!store.editValue(name, value))
                return fail(line, "cannot edit " + preferencesPath());
        }
        return Status::Done;
    }
    if (c == "clock") {
        const auto time = parseClock(line.rest);
        if (!time)
            return malformed(line, "clock takes YYYY-MM-DD HH:MM:SS");
        m_host.fixClock(*time);
        return Status::Done;
    }
    if (c == "bytes") {
        if (line.rest.empty())
            return malformed(line, "bytes needs a path");
        // Files the program wrote are small; anything larger is not one of them.
        std::ifstream in(pathFromUtf8(line.rest), std::ios::binary);
        std::string content(4097, '\0');
        in.read(content.data(), static_cast<std::streamsize>(content.size()));
        if (in.bad() || !in.is_open() || in.gcount() > 4096)
            return fail(line, "cannot read " + line.rest);
        content.resize(static_cast<std::size_t>(in.gcount()));
        m_transcript.bytes(line.rest, content);
        return Status::Done;
    }
    if (c == "absent") {
        // A file the program must not have written: the transcript says so, or the run fails.
        if (line.rest.empty())
            return malformed(line, "absent needs a path");
        std::error_code error;
        if (std::filesystem::exists(
                std::filesystem::symlink_status(pathFromUtf8(line.rest), error)))
            return fail(line, line.rest + " exists");
        m_transcript.absent(line.rest);
        return Status::Done;
    }
    if (c == "folder") {
        if (line.rest.empty())
            return malformed(line, "folder needs a path or 'cancel'");
        m_host.queueFolder(line.rest == "cancel" ? std::nullopt : std::optional(line.rest));
        return Status::Done;
    }
    if (c == "load") {
        // "Load from card…" in the window's menu, answering the folder chooser with PATH.
        if (line.rest.empty())
            return malformed(line, "load needs a path");
        if (!m_host.hasWindow())
            return fail(line, "no window is open");
        if (!m_host.hasLoadMenu())
            return fail(line, "this window has no \"Load from card\" item");
        m_host.queueFolder(line.rest);
        m_host.userMenuLoad();
        return Status::Done;
    }
    return windowCommand(line);
}

ScriptInterpreter::Status ScriptInterpreter::startProgram() {
    m_started = true;
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
        {"keys", Needs::None},    {"focus", Needs::None},    {"close", Needs::None},
        {"menu", Needs::None},    {"show", Needs::None},     {"screenshot", Needs::None}};
    const Shape* shape = nullptr;
    for (const Shape& s : kShapes)
        if (c == s.name)
            shape = &s;
    if (!shape)
        return malformed(line, "unknown command '" + c + "'");

    // Parse everything first: a malformed line is a usage error even without a window.
    int id = -1;
    int position = 0;
    std::string idText;
    std::string text;
    if (shape->needs != Needs::None) {
        const auto parsed = idAndRest(line.rest);
        if (!parsed)
            return malformed(line, c + " needs a control id");
        id = parsed->id;
        idText = parsed->idText;
        text = parsed->rest;
        if (shape->needs == Needs::Id && !text.empty())
            return malformed(line, c + " takes only a control id");
        if (shape->needs == Needs::IdPos) {
            const auto pos = parseCount(text);
            if (!pos)
                return malformed(line, "select needs a position");
            position = *pos;
        }
    }
    // A key: one of the named ones, or alt+ and one letter.
    static constexpr std::pair<const char*, ui::Key> kKeys[] = {
        {"enter", ui::Key::Enter},       {"esc", ui::Key::Esc},     {"tab", ui::Key::Tab},
        {"shift+tab", ui::Key::BackTab}, {"space", ui::Key::Space}, {"up", ui::Key::Up},
        {"down", ui::Key::Down}};
    std::optional<ui::Key> key;
    std::string altLetter;
    char ctrlKey = 0;
    if (c == "key") {
        for (const auto& [name, k] : kKeys)
            if (line.rest == name)
                key = k;
        if (!key && line.rest.starts_with("alt+") && ui::utf8Length(line.rest.substr(4)) == 1)
            altLetter = line.rest.substr(4);
        // Ctrl shortcuts are written "ctrl+" and a letter or digit.
        if (line.rest.size() == 6 && line.rest.starts_with("ctrl+") &&
            std::isalnum(static_cast<unsigned char>(line.rest[5])))
            ctrlKey = static_cast<char>(std::toupper(static_cast<unsigned char>(line.rest[5])));
        if (!key && altLetter.empty() && !ctrlKey)
            return malformed(line, "key takes enter, esc, tab, shift+tab, space, up, down, "
                                   "alt+LETTER or ctrl+LETTER");
    }
    if (c == "keys" && line.rest.empty())
        return malformed(line, "keys needs a text");
    if (c == "focus" && !line.rest.empty())
        return malformed(line, "focus takes nothing");
    if ((c == "close") && !line.rest.empty())
        return malformed(line, "close takes nothing");
    if (c == "menu" && line.rest != "about")
        return malformed(line, "menu takes about");
    if (c == "screenshot" && line.rest.empty())
        return malformed(line, "screenshot needs a path");
    std::optional<int> showId;
    if (c == "show" && !line.rest.empty()) {
        const auto parsed = idAndRest(line.rest);
        if (!parsed || !parsed->rest.empty())
            return malformed(line, "show takes a control id or nothing");
        showId = parsed->id;
        idText = parsed->idText;
    }

    if (!m_host.hasWindow())
        return fail(line, "no window is open");
    if (c == "key") {
        if (key)
            m_host.userKey(*key);
        else if (ctrlKey)
            m_host.userShortcut(ctrlKey);
        else
            m_host.userAlt(altLetter);
        return Status::Done;
    }
    if (c == "focus") {
        m_transcript.focus(m_host.focusedControl());
        return Status::Done;
    }
    if (c == "keys") {
        // Typed into the focused control, one key per character.
        id = m_host.focusedControl();
        text = line.rest;
    }
    if (c == "close") {
        m_host.userClose();
        return Status::Done;
    }
    if (c == "menu") {
        if (!m_host.hasAboutMenu())
            return fail(line, "this window has no About item");
        m_host.userMenuAbout();
        return Status::Done;
    }
    if (c == "screenshot") {
        std::string reason;
        if (!m_host.screenshot(line.rest, reason))
            return fail(line, "cannot write a screenshot: " + reason);
        return Status::Done;
    }
    if (c == "show") {
        if (!showId) {
            for (int each : m_host.controlIds())
                m_transcript.control(*m_host.controlState(each));
            return Status::Done;
        }
        id = *showId;
    }

    const auto state = m_host.controlState(id);
    if (!state)
        return fail(line, "no control " + idText + " in this window");
    if (c == "show") {
        m_transcript.control(*state);
        return Status::Done;
    }
    const bool isList = state->kind == ui::ControlKind::List;
    const bool isEdit = state->kind == ui::ControlKind::Edit;
    const bool clickable = state->kind == ui::ControlKind::Button ||
                           (state->kind == ui::ControlKind::Static && state->link);
    const char* wanted = nullptr;
    if ((c == "select" || c == "close-list") && !isList)
        wanted = "a list";
    if ((c == "type" || c == "keys" || c == "clear") && !isEdit)
        wanted = "an edit";
    if (c == "click" && !clickable)
        wanted = "a button";
    if (wanted)
        return fail(line, "control " + std::to_string(id) + " is " + kindName(state->kind) +
                              ", not " + wanted);
    if (!state->visible)
        return fail(line, "control " + std::to_string(id) + " is hidden");
    if (!state->enabled)
        return fail(line, "control " + std::to_string(id) + " is disabled");

    if (c == "select") {
        if (position >= static_cast<int>(state->items.size()))
            return fail(line, "list " + std::to_string(id) + " has " +
                                  std::to_string(state->items.size()) + " entries");
        m_host.userSelect(id, position);
    } else if (c == "close-list") {
        m_host.userCloseList(id);
    } else if (c == "type" || c == "keys") {
        m_host.userType(id, text);
    } else if (c == "clear") {
        m_host.userClear(id);
    } else if (c == "click") {
        m_host.userClick(id);
    }
    return Status::Done;
}

} // namespace quorvex::script
