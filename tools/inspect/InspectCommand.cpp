// SPDX-License-Identifier: MIT
#include "tools/inspect/InspectCommand.h"

#include "core/ModelCatalogue.h"

#include "tools/inspect/FileInspector.h"
#include "tools/inspect/RecordBytes.h"
#include "tools/inspect/ReportRendering.h"

#include <charconv>
#include <string>
#include <vector>

namespace quorvex::inspect {

namespace {

constexpr std::string_view kUsage =
    "usage: quorvex-inspect [--model N] [--json] PATH...\n"
    "  PATH     menu.dat, setup.dat or smtp.dat, or a folder holding them (a card's root)\n"
    "  --model  read the files as the forms of ModelId N (0-17) write them; without it\n"
    "           menu.dat is checked against every model's layout and read in one it fits\n"
    "  --json   print the result as JSON\n"
    "exit status: 0 all files valid, 1 a file is damaged, 2 usage error or unreadable path\n";

std::string printable(std::string_view text) {
    return printablePath(text);
}

int usageError(std::ostream& err, std::string_view problem) {
    err << "quorvex-inspect: " << problem << "\n" << kUsage;
    return 2;
}

// Prints each report the moment it arrives, so nothing but the (short) errors is held however
// many files are named; the errors go into the JSON document's closing.
class StreamingPrinter final : public InspectSink {
  public:
    StreamingPrinter(std::ostream& out, std::ostream& err, bool json)
        : m_out(out), m_err(err), m_json(json), m_writer(out) {
        if (m_json)
            m_writer.begin();
    }

    void report(FileReport report) override {
        m_anyDamaged = m_anyDamaged || !report.valid();
        if (m_json)
            m_writer.file(report);
        else
            m_out << (m_anyReport ? "\n" : "") << renderText(report);
        m_anyReport = true;
        m_out.flush();
    }

    void error(InspectError error) override {
        m_err << "quorvex-inspect: " << printable(error.path) << ": " << error.reason << "\n";
        m_anyUnreadable = true;
        if (m_json)
            m_errors.push_back(std::move(error));
    }

    int finish() {
        const int status = exitStatusFor(m_anyUnreadable, m_anyDamaged);
        if (m_json)
            m_writer.end(m_errors, status);
        m_out.flush();
        return status;
    }

  private:
    std::ostream& m_out;
    std::ostream& m_err;
    bool m_json;
    JsonDocumentWriter m_writer;
    std::vector<InspectError> m_errors;
    bool m_anyReport = false;
    bool m_anyDamaged = false;
    bool m_anyUnreadable = false;
};

} // namespace

int InspectCommand::execute(std::span<const std::string_view> args, std::ostream& out,
                            std::ostream& err) const {
    InspectOptions options;
    bool json = false;
    bool optionsEnded = false;
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            paths.emplace_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            out << kUsage;
            return 0;
        } else if (arg == "--json") {
            json = true;
        } else if (arg == "--model" || arg.starts_with("--model=")) {
            std::string_view value;
            if (arg == "--model") {
                if (i + 1 == args.size())
                    return usageError(err, "--model needs a ModelId");
                value = args[++i];
            } else {
                value = arg.substr(8);
            }
            options.modelId = parseModelId(value);
            if (!options.modelId)
                return usageError(err,
                                  "--model takes a ModelId 0-17, not \"" + printable(value) + "\"");
        } else {
            return usageError(err, "unknown option " + printable(arg));
        }
    }
    if (paths.empty())
        return usageError(err, "no file or folder given");

    StreamingPrinter printer(out, err, json);
    for (const std::string& path : paths)
        inspectPath(path, options, printer);
    return printer.finish();
}

} // namespace quorvex::inspect
