// SPDX-License-Identifier: MIT
#pragma once

#include "card/CardVerdict.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace quorvex::inspect {

using FileKind = CardFile;

// The format of a file's JSON, which quorvex-write reads as a profile: 2 names every field by its
// stable "key"; 1 (no "version") by its label alone.
inline constexpr int kProfileVersion = 2;

// Something that makes a file unusable for the camera: where (record and byte within it, -1
// when the whole file or record is meant) and why.
struct Problem {
    int record = -1;
    int byte = -1;
    std::string reason;
};

// One decoded field: where it sits, the raw byte (when it is one byte), the value as the forms
// hold it (a number or a text) and what it means in words.
struct ReportField {
    int record = 0;
    int byte = 0;
    std::string name;
    std::optional<int> stored;
    std::variant<std::monostate, std::int64_t, std::string> value;
    std::string unit;
    std::string meaning;
    std::string key; // the stable key profiles name the field by
};

struct FileReport {
    std::string path;
    FileKind kind = FileKind::Menu;
    std::size_t size = 0;
    std::string layout;             // how the file was read ("P4", "generic", ...)
    std::vector<std::string> notes; // checksum outcome, factory record, numbering ...
    std::vector<ReportField> fields;
    std::vector<Problem> problems;

    bool valid() const { return problems.empty(); }
};

std::string fileKindName(FileKind kind);

} // namespace quorvex::inspect
