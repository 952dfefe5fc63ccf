// SPDX-License-Identifier: MIT
// Writing menu.dat through MenuFileWriter against the bare minimum a durable write needs.
#include "card/MenuFileWriter.h"
#include "core/SettingsCrc16.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

class NoMessages final : public quorvex::ui::InfoMessages {
  public:
    void showInfoMessage(std::string_view) override {}
};

std::string benchFolder() {
    static const std::string folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quorvex-bench-XXXXXX").string();
        return std::string(::mkdtemp(pattern.data()));
    }();
    return folder;
}

constexpr quorvex::MenuMessages kMessages{{"done", "done"}, {"factory", "factory"}};

void MenuFileWriter(benchmark::State& state) {
    NoMessages out;
    const std::string folder = benchFolder();
    for (auto _ : state) {
        quorvex::CameraSettingsRecord record;
        for (std::size_t i = 0; i < 50; ++i)
            record.set(i, static_cast<int>(i));
        benchmark::DoNotOptimize(quorvex::writeMenuFile(
            record, folder, quorvex::RecordKind::Configuration, kMessages, 2, out));
    }
}
BENCHMARK(MenuFileWriter)->UseRealTime();

void BareDurableWrite(benchmark::State& state) {
    const std::string folder = benchFolder();
    const std::string temp = folder + "/bare.tmp";
    const std::string target = folder + "/bare.dat";
    std::array<char, 60> bytes{};
    for (auto _ : state) {
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
        ::fsync(fd);
        ::close(fd);
        ::rename(temp.c_str(), target.c_str());
        const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
        ::fsync(dir);
        ::close(dir);
    }
}
BENCHMARK(BareDurableWrite)->UseRealTime();

void RecordSeal(benchmark::State& state) {
    for (auto _ : state) {
        quorvex::CameraSettingsRecord record;
        for (std::size_t i = 0; i < 50; ++i)
            record.set(i, static_cast<int>(i * 3));
        benchmark::DoNotOptimize(record.seal().data());
    }
}
BENCHMARK(RecordSeal);

} // namespace

BENCHMARK_MAIN();
