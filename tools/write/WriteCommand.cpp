// SPDX-License-Identifier: MIT
#include "tools/write/WriteCommand.h"

#include "core/ModelCatalogue.h"
#include "core/SystemText.h"

#include "core/LocalTime.h"
#include "tools/inspect/InspectReport.h"
#include "tools/write/CardWriter.h"
#include "tools/write/ProfileReader.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace quorvex::write {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUsage =
    "usage: quorvex-write [--model N] [--clock now|keep] [--dry-run] PROFILE FOLDER...\n";

constexpr std::string_view kHelp =
    "NAME\n"
    "    quorvex-write - write one profile's settings files onto many camera cards\n"
    "\n"
    "SYNOPSIS\n"
    "    quorvex-write [--model N] [--clock now|keep] [--dry-run] PROFILE FOLDER...\n"
    "\n"
    "DESCRIPTION\n"
    "    PROFILE is the JSON that quorvex-inspect --json prints for a card or a file (\"-\" reads\n"
    "    it from standard input). Every file it describes - menu.dat, setup.dat, smtp.dat - is\n"
    "    written into each FOLDER (normally a card's root) as the forms write it: complete and\n"
    "    flushed to the card before its line is printed, or not at all.\n"
    "\n"
    "    Every field of the profile is checked first against its file's layout and ranges, and\n"
    "    texts against the camera's code page (437). A missing, unknown or mistyped field, a\n"
    "    value out of range or a text the camera cannot store refuses the whole profile: the\n"
    "    field and the reason are printed and no card is touched. Fields are matched by \"key\"\n"
    "    (by \"name\" in a profile without \"version\", made before fields had keys); a field's\n"
    "    \"value\" (and the \"unit\" of Interval) is what is written, \"name\", \"meaning\" and\n"
    "    \"stored\" are not read. Texts keep the inspector's escapes: \\\\ for a backslash, \\xNN\n"
    "    for a control character.\n"
    "\n"
    "    One line per card reports it as \"[3/20] FOLDER: written menu.dat\", or why it was not\n"
    "    written; the other cards still get their files.\n"
    "\n"
    "OPTIONS\n"
    "    --model N\n"
    "        ModelId 0-17 of the cameras. menu.dat must be a record the model's camera form\n"
    "        writes; setup.dat must use the MMS Send list of the model's MMS form and smtp.dat\n"
    "        its SMTP form's header layout. Without it the profile's own layout is used.\n"
    "    --clock now|keep\n"
    "        The clock of a camera record (menu.dat): now (default) sets it to the local clock\n"
    "        at the moment each card is written, as the forms do; keep writes the profile's.\n"
    "    --dry-run\n"
    "        Check the profile and the folders and show what would be written, each file in\n"
    "        hexadecimal; write nothing.\n"
    "    -h, --help\n"
    "        Show this text.\n"
    "\n"
    "EXIT STATUS\n"
    "    0   every card got every file (with --dry-run: every folder is one)\n"
    "    1   some card could not be written (its line says why); the others were written\n"
    "    2   usage error, or a profile that cannot be read or is refused: nothing written\n"
    "\n"
    "EXAMPLES\n"
    "    quorvex-inspect --json /media/card1 > profile.json\n"
    "    quorvex-write profile.json /media/card2 /media/card3\n"
    "    quorvex-write --model 4 --clock keep --dry-run profile.json /media/card2\n";

constexpr std::size_t kProfileLimit = 1 << 20;
constexpr std::size_t kHexPerLine = 20;

struct Settings {
    ProfileOptions options;
    bool dryRun = false;
    std::string profile;
    std::vector<std::string> folders;
};

int usageError(std::ostream& err, std::string_view problem) {
    err << "quorvex-write: " << problem << "\n" << kUsage << "Try quorvex-write --help.\n";
    return 2;
}

std::optional<std::string> readProfileText(const std::string& name, std::istream& in,
                                           std::string& reason) {
    std::string text;
    if (name == "-") {
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } else {
        std::error_code ec;
        if (fs::is_directory(pathFromUtf8(name), ec)) {
            reason = "is a folder; the profile is the JSON file quorvex-inspect --json prints";
            return std::nullopt;
        }
        std::ifstream file(pathFromUtf8(name), std::ios::binary);
        if (!file) {
            reason = "cannot be read";
            return std::nullopt;
        }
        text.resize(kProfileLimit + 1);
        file.read(text.data(), static_cast<std::streamsize>(text.size()));
        text.resize(static_cast<std::size_t>(file.gcount()));
    }
    if (text.size() > kProfileLimit) {
        reason = "is larger than any profile (1 MiB)";
        return std::nullopt;
    }
    return text;
}

std::string hexDump(std::span<const std::uint8_t> bytes) {
    std::string out;
    char cell[32];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % kHexPerLine == 0) {
            std::snprintf(cell, sizeof cell, "%s  %04X", i ? "\n" : "", static_cast<unsigned>(i));
            out += cell;
        }
        std::snprintf(cell, sizeof cell, " %02X", static_cast<unsigned>(bytes[i]));
        out += cell;
    }
    return out + "\n";
}

std::optional<camera_menu::ClockFields> clockFor(const Settings& settings) {
    if (settings.options.clock == ClockChoice::Keep)
        return std::nullopt;
    return camera_menu::clockFieldsAt(ui::systemLocalTime());
}

// One card: every file of the profile, stopping at the first that cannot be written.
bool writeCard(const std::vector<FilePlan>& plans, const Settings& settings,
               const std::string& folder, std::string& line) {
    std::string written;
    for (const FilePlan& plan : plans) {
        const std::string name = inspect::fileKindName(plan.kind);
        if (settings.dryRun) {
            written += (written.empty() ? "" : ", ") + name + " (" +
                       std::to_string(fileBytes(plan, std::nullopt).size()) + " bytes)";
            continue;
        }
        if (const auto failure = writePlan(plan, folder, clockFor(settings))) {
            line += written.empty() ? "not written: " + *failure
                                    : "written " + written + "; not written: " + *failure;
            return false;
        }
        written += (written.empty() ? "" : ", ") + name;
    }
    if (settings.dryRun) {
        std::error_code ec;
        if (!fs::is_directory(pathFromUtf8(folder), ec)) {
            line += "is no folder; nothing could be written";
            return false;
        }
        line += "would write " + written;
        return true;
    }
    line += "written " + written;
    return true;
}

std::optional<Settings> parse(std::span<const std::string_view> args, std::ostream& out,
                              std::ostream& err, int& status) {
    Settings settings;
    std::vector<std::string> operands;
    bool optionsEnded = false;
    status = 2;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        auto valueOf = [&](std::string_view option) -> std::optional<std::string_view> {
            if (arg.size() > option.size() && arg[option.size()] == '=')
                return arg.substr(option.size() + 1);
            if (i + 1 == args.size())
                return std::nullopt;
            return args[++i];
        };
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            operands.emplace_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            out << kHelp;
            status = 0;
            return std::nullopt;
        } else if (arg == "--dry-run") {
            settings.dryRun = true;
        } else if (arg == "--model" || arg.starts_with("--model=")) {
            const auto value = valueOf("--model");
            settings.options.modelId = value ? parseModelId(*value) : std::nullopt;
            if (!settings.options.modelId) {
                usageError(err, "--model takes a ModelId 0-17");
                return std::nullopt;
            }
        } else if (arg == "--clock" || arg.starts_with("--clock=")) {
            const auto value = valueOf("--clock");
            if (value != "now" && value != "keep") {
                usageError(err, "--clock takes now or keep");
                return std::nullopt;
            }
            settings.options.clock = *value == "now" ? ClockChoice::Now : ClockChoice::Keep;
        } else {
            usageError(err, "unknown option " + std::string(arg));
            return std::nullopt;
        }
    }
    if (operands.size() < 2) {
        usageError(err, operands.empty() ? "no profile given" : "no card folder given");
        return std::nullopt;
    }
    settings.profile = operands.front();
    settings.folders.assign(operands.begin() + 1, operands.end());
    return settings;
}

} // namespace

int WriteCommand::execute(std::span<const std::string_view> args, std::istream& in,
                          std::ostream& out, std::ostream& err) const {
    int status = 0;
    const std::optional<Settings> settings = parse(args, out, err, status);
    if (!settings)
        return status;

    std::string reason;
    const auto text = readProfileText(settings->profile, in, reason);
    if (!text) {
        err << "quorvex-write: " << settings->profile << ": " << reason << "\n";
        return 2;
    }
    auto read = readProfile(*text, settings->options);
    if (const auto* fault = std::get_if<ProfileFault>(&read)) {
        err << "quorvex-write: " << settings->profile << ": " << faultText(*fault)
            << "; nothing written\n";
        return 2;
    }
    const auto& plans = std::get<std::vector<FilePlan>>(read);

    std::string summary;
    for (const FilePlan& plan : plans)
        summary += (summary.empty() ? "" : ", ") + plan.summary;
    const std::size_t count = settings->folders.size();
    out << (settings->dryRun ? "would write " : "writing ") << summary << " into " << count
        << (count == 1 ? " folder\n" : " folders\n");
    out.flush();

    std::size_t failed = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& folder = settings->folders[i];
        std::string line =
            "[" + std::to_string(i + 1) + "/" + std::to_string(count) + "] " + folder + ": ";
        failed += !writeCard(plans, *settings, folder, line);
        out << line << "\n";
        out.flush();
    }
    if (settings->dryRun) {
        for (const FilePlan& plan : plans) {
            out << "\n" << plan.summary;
            if (plan.kind == inspect::FileKind::Menu && settings->options.clock == ClockChoice::Now)
                out << ", the clock of this moment (each card gets the moment it is written)";
            out << ":\n" << hexDump(fileBytes(plan, clockFor(*settings)));
        }
    }
    if (failed) {
        err << "quorvex-write: " << failed << " of " << count << (count == 1 ? " card" : " cards")
            << " not written\n";
        return 1;
    }
    return 0;
}

} // namespace quorvex::write
