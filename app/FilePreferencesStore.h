// SPDX-License-Identifier: MIT
#pragma once

#include "core/Language.h"
#include "core/PreferencesStore.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvex {

// The store as a small text file of "name=value" lines, for systems without a registry.
// "Store does not exist" is a missing file; "cannot be opened" is a file or folder that cannot be
// read or created. Writes replace the file atomically and keep lines they do not understand,
// unless the file would then grow past kMaxSize: then only the values in use are kept, so a file
// we wrote always reads as ours.
class FilePreferencesStore final : public PreferencesStore {
  public:
    FilePreferencesStore(std::string path, LanguageId systemDefaultLanguage);

    // QUORVEX_PREFERENCES, else $XDG_CONFIG_HOME/quorvex/preferences, else
    // ~/.config/quorvex/preferences.
    static std::string defaultPath();

    bool readLanguage(std::uint16_t& value) override;
    bool writeLanguage(std::uint16_t value) override;
    bool readModel(std::uint16_t& value) override;
    bool writeModel(std::uint16_t value) override;
    bool readTvMode(std::uint16_t& value) override;
    bool writeTvMode(std::uint16_t value) override;
    bool companyReadable() override;
    bool writeCompany() override;

    const std::string& path() const { return m_path; }

    // Edits one value as another program would, creating the file (and its folder) if needed;
    // a missing value removes the name and never creates the file. For the driver and for
    // support.
    bool editValue(const std::string& name, const std::optional<std::string>& value);

    // Content beyond this size is not a preferences file of ours: it reads as holding no values,
    // and writes leave it alone rather than replace someone else's file.
    static constexpr std::size_t kMaxSize = 64 * 1024;

  private:
    // Oversized: a file too large to be ours; it reads as holding no values and is never replaced.
    enum class Presence { Missing, Unreadable, Present, Oversized };
    Presence load(std::vector<std::string>& lines) const;
    // An empty store, with its folder; false when it cannot be created.
    bool create() const;
    std::optional<std::uint32_t> readNumber(const char* name, bool& opened) const;
    bool writeValue(const std::string& name, const std::optional<std::string>& value);

    std::string m_path;
    LanguageId m_systemDefaultLanguage;
};

// Parses a 32-bit unsigned decimal exactly (digits only, no sign, no overflow).
std::optional<std::uint32_t> parseUint32(std::string_view text);

} // namespace quorvex
