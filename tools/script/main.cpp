// SPDX-License-Identifier: MIT
// quorvex-script [--host memory|qt|win32] [SCRIPT]: runs the application driven by a script and prints
// what a person would see.
#include "core/SystemText.h"
#include "tools/forms/RegisterForms.h"
#include "tools/script/ScriptInterpreter.h"
#include "ui/MemoryHost.h"

#ifdef QUORVEX_HAVE_QT
#include "ui/qt/QtScriptedHost.h"
#endif
#ifdef QUORVEX_HAVE_WIN32
#include "ui/win32/Win32ScriptedHost.h"
#endif

#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

int usage() {
    std::cerr << "usage: quorvex-script [--host memory|qt|win32] [SCRIPT]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string hostName = "memory";
    std::string scriptPath;
    const std::vector<std::string> args = quorvex::commandLineArguments(argc, argv);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--host" && i + 1 < args.size()) {
            hostName = args[++i];
        } else if (arg.rfind("--host=", 0) == 0) {
            hostName = arg.substr(7);
        } else if (arg == "-h" || arg == "--help") {
            usage();
            return 0;
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            return usage();
        } else if (scriptPath.empty()) {
            scriptPath = arg;
        } else {
            return usage();
        }
    }

    std::ifstream file;
    if (!scriptPath.empty() && scriptPath != "-") {
        file.open(quorvex::pathFromUtf8(scriptPath));
        if (!file) {
            std::cerr << "error: cannot read " << scriptPath << '\n';
            return 2;
        }
    }
    std::istream& script = file.is_open() ? static_cast<std::istream&>(file) : std::cin;

    quorvex::ui::Transcript transcript(std::cout);
    std::unique_ptr<quorvex::ui::ScriptedHost> host;
    if (hostName == "memory") {
        host = std::make_unique<quorvex::ui::MemoryHost>(transcript);
    } else if (hostName == "qt") {
#ifdef QUORVEX_HAVE_QT
        host = quorvex::ui::makeQtScriptedHost(transcript, argc, argv);
#else
        std::cerr << "error: this build has no Qt windows\n";
        return 2;
#endif
    } else if (hostName == "win32") {
#ifdef QUORVEX_HAVE_WIN32
        host = quorvex::ui::win32::makeWin32ScriptedHost(transcript);
#else
        std::cerr << "error: this build has no native Windows windows\n";
        return 2;
#endif
    } else {
        return usage();
    }

    quorvex::FormRegistry forms;
    quorvex::registerForms(forms);
    quorvex::script::ScriptInterpreter interpreter(script, std::cerr, *host, transcript, forms);
    return interpreter.run();
}
