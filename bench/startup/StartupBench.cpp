// SPDX-License-Identifier: MIT
// bench_startup [ROUNDS]: time from process start to the first painted window, and peak RSS, of
// quorvex and of a bare Qt program with one empty QDialog, taken in turns in the same run.
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
};

long long nowNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

std::optional<Sample> runOnce(const char* program) {
    int out[2];
    if (pipe(out) != 0) return std::nullopt;
    const long long start = nowNs();
    const pid_t child = fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    long long painted = 0;
    if (std::sscanf(text.c_str(), "first-paint %lld", &painted) != 1 || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not report its first paint\n", program);
        return std::nullopt;
    }
    return Sample{(painted - start) / 1e6, usage.ru_maxrss};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    setenv("QUORVEX_STARTUP_PROBE", "1", 1);
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!display || !*display) && (!wayland || !*wayland)) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The tool reads and writes its preferences at start-up; keep the user's own out of it.
    char folder[] = "/tmp/quorvex-bench-XXXXXX";
    if (!mkdtemp(folder)) return 1;
    const std::string prefs = std::string(folder) + "/preferences";
    setenv("QUORVEX_PREFERENCES", prefs.c_str(), 1);

    const char* programs[2] = {QUORVEX_PROGRAM, BARE_PROGRAM};
    const char* names[2] = {"quorvex", "bare QDialog"};
    std::vector<double> time[2], rss[2];
    for (const char* p : programs) runOnce(p); // warm the file cache
    for (int round = 0; round < rounds; ++round)
        for (int i = 0; i < 2; ++i)
            if (auto s = runOnce(programs[i])) {
                time[i].push_back(s->milliseconds);
                rss[i].push_back(static_cast<double>(s->peakKiB));
            }
    std::remove(prefs.c_str());
    rmdir(folder);
    if (time[0].empty() || time[1].empty()) return 1;

    std::printf("platform: %s, %d rounds, medians\n",
                std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default", rounds);
    for (int i = 0; i < 2; ++i)
        std::printf("%-13s first paint %7.1f ms   peak RSS %7.0f KiB\n", names[i], median(time[i]), median(rss[i]));
    std::printf("ratio         start-up %.2f (target 1.20)   peak RSS %.2f (target 1.20)\n",
                median(time[0]) / median(time[1]), median(rss[0]) / median(rss[1]));
    return 0;
}
