// SPDX-License-Identifier: MIT
#pragma once

#include "app/FormRegistry.h"
#include "ui/ScriptedHost.h"

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace quorvex::script {

// Runs the whole application over a scripted host, one script line at a time, as a user would.
// Exit status: 0 the script ran to its end, 1 a well-formed command could not be carried out,
// 2 a malformed line.
class ScriptInterpreter final {
  public:
    ScriptInterpreter(std::istream& script, std::ostream& errors, ui::ScriptedHost& host,
                      ui::Transcript& transcript, const FormRegistry& forms);

    int run();

  private:
    enum class Status { Done, Failed, Malformed };
    struct Line {
        int number = 0;
        std::string command;
        std::string rest; // everything after the command and one space
    };

    std::optional<Line> nextLine();
    Status execute(const Line& line, bool running);
    Status windowCommand(const Line& line);
    Status startProgram();
    Status fail(const Line& line, const std::string& why);
    Status malformed(const Line& line, const std::string& why);
    bool stepInsideProgram();
    std::string preferencesPath() const;

    std::istream& m_script;
    std::ostream& m_errors;
    ui::ScriptedHost& m_host;
    ui::Transcript& m_transcript;
    const FormRegistry& m_forms;

    int m_lineNumber = 0;
    int m_exit = 0;
    bool m_stopped = false;
    bool m_started = false;
    std::optional<std::string> m_preferences;
    std::uint16_t m_systemLanguage = 1033;
};

} // namespace quorvex::script
