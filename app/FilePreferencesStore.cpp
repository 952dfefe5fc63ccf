// SPDX-License-Identifier: MIT
#include "app/FilePreferencesStore.h"

#include "core/DurableFile.h"
#include "core/SystemText.h"
#include "core/Utf8.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace quorvex {

namespace {

constexpr const char* kLanguage = "language";
constexpr const char* kModel = "model";
constexpr const char* kTvMode = "TvMode";
constexpr const char* kCompany = "Company";
// The stored company text must fit a 260-byte buffer of UTF-16 units with its terminator.
constexpr std::size_t kCompanyBufferBytes = 260;

bool isEntryOf(const std::string& line, std::string_view name) {
    return line.size() > name.size() && line.compare(0, name.size(), name) == 0 &&
           line[name.size()] == '=';
}

std::optional<std::string> valueOf(const std::vector<std::string>& lines, std::string_view name) {
    for (const auto& line : lines) {
        if (isEntryOf(line, name))
            return line.substr(name.size() + 1);
    }
    return std::nullopt;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string content;
    for (const auto& line : lines)
        content += line + "\n";
    return content;
}

} // namespace

std::optional<std::uint32_t> parseUint32(std::string_view text) {
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > 0xFFFFFFFFull)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

FilePreferencesStore::FilePreferencesStore(std::string path, LanguageId systemDefaultLanguage)
    : m_path(std::move(path)), m_systemDefaultLanguage(systemDefaultLanguage) {}

std::string FilePreferencesStore::defaultPath() {
    if (auto explicitPath = environmentVariable("QUORVEX_PREFERENCES"))
        return *explicitPath;
#ifdef _WIN32
    if (auto appData = environmentVariable("APPDATA"))
        return *appData + "\\Quorvex\\preferences";
#endif
    if (auto xdg = environmentVariable("XDG_CONFIG_HOME"))
        return *xdg + "/quorvex/preferences";
    if (auto home = environmentVariable("HOME"))
        return *home + "/.config/quorvex/preferences";
    return "quorvex-preferences";
}

FilePreferencesStore::Presence FilePreferencesStore::load(std::vector<std::string>& lines) const {
    std::error_code ec;
    const auto status = std::filesystem::status(pathFromUtf8(m_path), ec);
    if (status.type() == std::filesystem::file_type::not_found)
        return Presence::Missing;
    if (ec || status.type() != std::filesystem::file_type::regular)
        return Presence::Unreadable;
    std::ifstream in(pathFromUtf8(m_path), std::ios::binary);
    if (!in)
        return Presence::Unreadable;
    std::string content;
    content.resize(kMaxSize + 1);
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    if (in.bad())
        return Presence::Unreadable;
    content.resize(static_cast<std::size_t>(in.gcount()));
    lines.clear();
    if (content.size() > kMaxSize)
        return Presence::Oversized;
    // An editor's byte-order mark must not hide the first value.
    if (content.rfind("\xEF\xBB\xBF", 0) == 0)
        content.erase(0, 3);
    std::size_t start = 0;
    while (start < content.size()) {
        auto end = content.find('\n', start);
        if (end == std::string::npos)
            end = content.size();
        std::string line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(std::move(line));
        start = end + 1;
    }
    return Presence::Present;
}

bool FilePreferencesStore::create() const {
    std::error_code ec;
    const auto folder = pathFromUtf8(m_path).parent_path();
    if (!folder.empty())
        std::filesystem::create_directories(folder, ec);
    return writeFileDurably(m_path, {}).ok;
}

std::optional<std::uint32_t> FilePreferencesStore::readNumber(const char* name,
                                                              bool& opened) const {
    std::vector<std::string> lines;
    const Presence presence = load(lines);
    opened = presence == Presence::Present || presence == Presence::Oversized;
    if (!opened)
        return std::nullopt;
    const auto text = valueOf(lines, name);
    return text ? parseUint32(*text) : std::nullopt;
}

bool FilePreferencesStore::readLanguage(std::uint16_t& value) {
    std::vector<std::string> lines;
    switch (load(lines)) {
    case Presence::Missing: {
        create(); // a store that cannot be created stays missing
        return false;
    }
    case Presence::Unreadable:
        return false;
    case Presence::Present:
    case Presence::Oversized:
        break;
    }
    const auto text = valueOf(lines, kLanguage);
    const auto stored = text ? parseUint32(*text) : std::nullopt;
    // A language outside 1-15 would index every text table out of range: treat it as missing.
    const auto low = stored ? static_cast<std::uint16_t>(*stored & 0xFFFF) : 0;
    value = isValidLanguage(low) ? low : static_cast<std::uint16_t>(m_systemDefaultLanguage);
    return true;
}

bool FilePreferencesStore::readModel(std::uint16_t& value) {
    bool opened = false;
    const auto stored = readNumber(kModel, opened);
    if (!opened)
        return false;
    if (!stored) {
        value = 1;
        return false;
    }
    const auto low = static_cast<std::uint16_t>(*stored & 0xFFFF);
    value = low > kModelCount ? 1 : low;
    return true;
}

bool FilePreferencesStore::readTvMode(std::uint16_t& value) {
    bool opened = false;
    const auto stored = readNumber(kTvMode, opened);
    if (!opened)
        return false;
    if (!stored) {
        value = 0;
        return false;
    }
    value = static_cast<std::uint16_t>(*stored & 0xFFFF);
    return true;
}

bool FilePreferencesStore::companyReadable() {
    std::vector<std::string> lines;
    if (load(lines) != Presence::Present)
        return false;
    const auto text = valueOf(lines, kCompany);
    return text && (ui::utf16Length(*text) + 1) * 2 <= kCompanyBufferBytes;
}

bool FilePreferencesStore::writeLanguage(std::uint16_t value) {
    return writeValue(kLanguage, std::to_string(value));
}
bool FilePreferencesStore::writeModel(std::uint16_t value) {
    return writeValue(kModel, std::to_string(value));
}
bool FilePreferencesStore::writeTvMode(std::uint16_t value) {
    return writeValue(kTvMode, std::to_string(value));
}
bool FilePreferencesStore::writeCompany() {
    return writeValue(kCompany, kCompanyName);
}

bool FilePreferencesStore::editValue(const std::string& name,
                                     const std::optional<std::string>& value) {
    std::vector<std::string> lines;
    const Presence presence = load(lines);
    if (presence == Presence::Unreadable)
        return false;
    if (presence == Presence::Missing) {
        if (!value)
            return true; // nothing to remove; the store stays missing
        if (!create())
            return false;
    }
    return writeValue(name, value);
}

bool FilePreferencesStore::writeValue(const std::string& name,
                                      const std::optional<std::string>& value) {
    std::vector<std::string> lines;
    if (load(lines) != Presence::Present)
        return false; // like a registry key that is not there
    // A value holding a line break would split into lines of its own.
    if (value && value->find_first_of("\r\n") != std::string::npos)
        return false;
    const std::string entry = value ? name + "=" + *value : std::string();
    bool replaced = !value;
    std::vector<std::string> kept;
    for (auto& line : lines) {
        if (!isEntryOf(line, name)) {
            kept.push_back(std::move(line));
        } else if (!replaced) {
            kept.push_back(entry);
            replaced = true;
        }
        // further lines of the same name (or all of them, when deleting) are dropped
    }
    if (!replaced)
        kept.push_back(entry);
    std::string content = joinLines(kept);
    if (content.size() > kMaxSize) {
        // Past the limit the file would read as somebody else's from now on, losing every value:
        // keep only the values in use and the one being written.
        std::erase_if(kept, [&](const std::string& line) {
            return !isEntryOf(line, name) && !isEntryOf(line, kLanguage) &&
                   !isEntryOf(line, kModel) && !isEntryOf(line, kTvMode) &&
                   !isEntryOf(line, kCompany);
        });
        content = joinLines(kept);
        if (content.size() > kMaxSize)
            return false; // a value too large for any file of ours; the file stays as it was
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(content.data());
    return writeFileDurably(m_path, {data, content.size()}).ok;
}

} // namespace quorvex
