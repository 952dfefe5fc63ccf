// SPDX-License-Identifier: MIT
#pragma once

#include "tools/write/ProfileReader.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::write {

// Ends the reading of a profile at its first fault; readProfile turns it into its result.
struct Refusal {
    ProfileFault fault;
};

// The "fields" list of one file of a profile: each entry's name and value, and where the
// inspector found it (record and byte, when the entry says).
class ProfileFields final {
  public:
    struct Entry {
        std::string name;
        std::string key; // the profile's "key", or the one the schema gives its name
        const nlohmann::json* value = nullptr;
        int record = -1;
        int byte = -1;
        std::string unit;
    };

    ProfileFields(const nlohmann::json& file, std::string fileName);

    const std::string& fileName() const { return m_fileName; }
    const std::vector<Entry>& entries() const { return m_entries; }

    // The first entry of that key, or null.
    const Entry* find(std::string_view key) const;
    // The entry, refused when it is missing.
    const Entry& require(std::string_view key) const;

    std::int64_t number(const Entry& entry) const;
    // A whole number in min..max.
    int numberIn(std::string_view key, int min, int max) const;
    // A header byte: 0-255.
    int byteValue(std::string_view key) const { return numberIn(key, 0, 255); }
    // The text as the inspector prints it, its escapes (\\ and \xNN) undone.
    std::string text(std::string_view key) const;
    std::string textOf(const Entry& entry) const;

    // The entry the inspector put at `record` and `byte` (the nearest before it in a header),
    // for naming the field a problem of the built file lies in.
    std::string nameAt(int record, int byte) const;
    // The fields a problem of the built file concerns: the one at its byte, and every other of a
    // byte range the reason names.
    std::vector<std::string> namesAt(int record, int byte, std::string_view reason) const;

    // A field named by its key or its label; the message gives its label.
    [[noreturn]] void refuse(std::string_view field, std::string reason) const;
    [[noreturn]] void refuse(std::vector<std::string> fields, std::string reason) const;

  private:
    // The label people know a field by: the profile's own, else the schema's.
    std::string labelOf(std::string_view field) const;

    std::string m_fileName;
    std::vector<Entry> m_entries;
};

// "42", "\"text\"", "true": a JSON value as the profile spells it.
std::string spelled(const nlohmann::json& value);

MenuFilePlan readMenuProfile(const nlohmann::json& file, const ProfileFields& fields,
                             const ProfileOptions& options);
SetupFilePlan readSetupProfile(const ProfileFields& fields, const ProfileOptions& options);
SmtpFilePlan readSmtpProfile(const nlohmann::json& file, const ProfileFields& fields,
                             const ProfileOptions& options);

} // namespace quorvex::write
