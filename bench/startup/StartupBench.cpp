// SPDX-License-Identifier: MIT
// bench_startup [ROUNDS]: time from process start to the first painted window, and peak RSS, of
// quorvex and of a bare Qt program showing one QDialog of the same size as quorvex's main
// window, taken in turns in the same run (after one run of each to warm the file cache); medians
// of ROUNDS rounds (default 15). The bare program is measured twice: empty, and with one line of
// text, because an empty dialog never starts the font system that any window with words pays
// for; the one-line ratio is the one about our own work. Targets: 1.20x in start-up and in peak
// RSS. Measurements before and after: bench/startup/README.md.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Sample {
    double milliseconds;
    long peakKiB;
    int width;
    int height;
};

long long nowNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

std::optional<Sample> runOnce(const char* program, const std::vector<std::string>& arguments) {
    std::vector<char*> argv{const_cast<char*>(program)};
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int out[2];
    if (pipe(out) != 0)
        return std::nullopt;
    const long long start = nowNs();
    const pid_t child = fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execv(program, argv.data());
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    long long painted = 0;
    int width = 0;
    int height = 0;
    if (std::sscanf(text.c_str(), "first-paint %lld %d %d", &painted, &width, &height) != 3 ||
        !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not report its first paint\n", program);
        return std::nullopt;
    }
    return Sample{(painted - start) / 1e6, usage.ru_maxrss, width, height};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Subject {
    const char* name;
    const char* program;
    std::vector<std::string> arguments;
    std::vector<double> time;
    std::vector<double> rss;
};

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    setenv("QUORVEX_STARTUP_PROBE", "1", 1);
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!display || !*display) && (!wayland || !*wayland))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The tool reads and writes its preferences at start-up; keep the user's own out of it.
    char folder[] = "/tmp/quorvex-bench-XXXXXX";
    if (!mkdtemp(folder))
        return 1;
    const std::string prefs = std::string(folder) + "/preferences";
    setenv("QUORVEX_PREFERENCES", prefs.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", folder, 0); // the same for every program, and no warning on each run

    // Warms the file cache and learns the size of the main window for the bare dialogs.
    const auto first = runOnce(QUORVEX_PROGRAM, {});
    if (!first)
        return 1;
    const std::string width = std::to_string(first->width);
    const std::string height = std::to_string(first->height);
    Subject subjects[] = {
        {"quorvex", QUORVEX_PROGRAM, {}, {}, {}},
        {"bare empty", BARE_PROGRAM, {width, height}, {}, {}},
        {"bare one line", BARE_PROGRAM, {"--text", width, height}, {}, {}},
    };
    for (Subject& s : subjects)
        runOnce(s.program, s.arguments);
    for (int round = 0; round < rounds; ++round)
        for (Subject& s : subjects)
            if (auto sample = runOnce(s.program, s.arguments)) {
                s.time.push_back(sample->milliseconds);
                s.rss.push_back(static_cast<double>(sample->peakKiB));
            }
    std::remove(prefs.c_str());
    rmdir(folder);
    for (const Subject& s : subjects)
        if (s.time.empty())
            return 1;

    std::printf("platform: %s, window %sx%s, %d rounds, medians\n",
                std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default",
                width.c_str(), height.c_str(), rounds);
    for (const Subject& s : subjects)
        std::printf("%-14s first paint %7.1f ms   peak RSS %7.0f KiB\n", s.name, median(s.time),
                    median(s.rss));
    const Subject& ours = subjects[0];
    std::printf("ratio to empty     start-up %.2f (target 1.20)   peak RSS %.2f (target 1.20)\n",
                median(ours.time) / median(subjects[1].time),
                median(ours.rss) / median(subjects[1].rss));
    std::printf("ratio to one line  start-up %.2f (target 1.20)   peak RSS %.2f (target 1.20)\n",
                median(ours.time) / median(subjects[2].time),
                median(ours.rss) / median(subjects[2].rss));
    return 0;
}
