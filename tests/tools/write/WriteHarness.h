// SPDX-License-Identifier: MIT
#pragma once

#include "tools/inspect/FileInspector.h"
#include "tools/inspect/ReportRendering.h"
#include "tools/write/WriteCommand.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace quorvex::write::testing {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed with everything in it. Only
// std::filesystem, so the tests run on every platform the tool is built for.
class Folder {
  public:
    Folder() {
        std::random_device random;
        const fs::path base = fs::temp_directory_path();
        do
            m_path = base / ("quorvex-write-test-" + std::to_string(random()));
        while (!fs::create_directory(m_path));
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    std::string path() const { return m_path.string(); }
    std::string file(const std::string& name) const { return (m_path / name).string(); }
    bool empty() const { return fs::is_empty(m_path); }

  private:
    fs::path m_path;
};

inline std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

inline Outcome runWrite(const std::vector<std::string>& args, const std::string& input = {}) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = WriteCommand{}.execute(views, in, out, err);
    return {status, out.str(), err.str()};
}

// What `quorvex-inspect --json [--model N] PATH` prints.
inline std::string inspectJson(const std::string& path, std::optional<int> modelId = {}) {
    inspect::InspectResult result;
    inspect::inspectPath(path, inspect::InspectOptions{modelId}, result);
    return inspect::renderJson(result);
}

} // namespace quorvex::write::testing
