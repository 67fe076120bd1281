// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the real program as a student starts it, from outside the
// process: the time from process start to the title window's first painted
// frame, the time until all fourteen windows are built and the event loop
// runs, and the peak resident memory; each beside the same figure for a bare
// toolkit program with one empty window of the title window's size, started
// in the same iteration, so that the ratios hold on any machine.
//
// The processes report their marks through the logging category
// "zut.startup"; offscreen and, where Xvfb is installed, in a private X
// server. Run on its own for figures (medians of the repetitions):
//   build/bench/bench_launch
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// A child process with its standard error in a pipe.
struct Child {
    pid_t pid = -1;
    int err = -1;
};

Child spawn(const std::vector<std::string>& argv, const std::map<std::string, std::string>& set,
            bool keepStderr) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (!set.count(entry.substr(0, entry.find('='))))
            env.push_back(entry);
    }
    for (const auto& [name, value] : set)
        env.push_back(name + "=" + value);
    std::vector<char*> envp, args;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> argvCopy = argv;
    for (auto& a : argvCopy)
        args.push_back(a.data());
    args.push_back(nullptr);

    int fds[2] = {-1, -1};
    if (keepStderr && pipe2(fds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    if (keepStderr)
        posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    else
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    Child child;
    const int failed =
        posix_spawn(&child.pid, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (keepStderr) {
        close(fds[1]);
        child.err = fds[0];
    }
    if (failed != 0)
        throw std::runtime_error("cannot start " + argv[0]);
    return child;
}

// A private X server for the runs on a real window system, started once.
class XServer {
public:
    static const std::optional<std::string>& display() {
        static XServer server;
        return server.display_;
    }
    ~XServer() {
        if (child_.pid > 0) {
            kill(child_.pid, SIGTERM);
            waitpid(child_.pid, nullptr, 0);
        }
    }

private:
    XServer() {
        for (const char* path : {"/usr/bin/Xvfb", "/usr/local/bin/Xvfb"}) {
            if (access(path, X_OK) != 0)
                continue;
            int fds[2];
            if (pipe(fds) != 0)
                return;
            // -displayfd: the server picks a free display and writes its number;
            // -noreset: it does not start afresh, dropping the next program's
            // connection, when each measured program leaves (tests/xserver.sh).
            const std::string fd = std::to_string(fds[1]);
            child_ = spawn({path, "-displayfd", fd, "-screen", "0", "1280x1024x24", "-nolisten",
                            "tcp", "-noreset"},
                           {}, false);
            close(fds[1]);
            char buffer[32] = {};
            pollfd p{fds[0], POLLIN, 0};
            if (poll(&p, 1, 10000) > 0 && read(fds[0], buffer, sizeof buffer - 1) > 0)
                display_ = ":" + std::string(buffer, std::strcspn(buffer, "\n"));
            close(fds[0]);
            return;
        }
    }
    Child child_;
    std::optional<std::string> display_;
};

struct Figures {
    double frameMs = 0; // process start to the first painted frame
    double readyMs = 0; // process start to the running event loop
    double peakMb = 0;  // peak resident memory
};

// Starts the program, waits for both marks, ends it and takes its figures.
Figures launch(const char* program, const std::string& platform) {
    std::map<std::string, std::string> env{{"QT_QPA_PLATFORM", platform},
                                           {"QT_LOGGING_RULES", "zut.startup.info=true"}};
    if (platform == "xcb")
        env["DISPLAY"] = *XServer::display();
    const long long start = now();
    Child child = spawn({program}, env, true);

    std::map<std::string, long long> marks;
    std::string pending;
    char buffer[4096];
    while (!(marks.count("painted") && marks.count("running"))) {
        pollfd p{child.err, POLLIN, 0};
        if (poll(&p, 1, 10000) <= 0)
            break;
        const ssize_t n = read(child.err, buffer, sizeof buffer);
        if (n <= 0)
            break;
        pending.append(buffer, static_cast<size_t>(n));
        for (size_t eol; (eol = pending.find('\n')) != std::string::npos;) {
            const std::string line = pending.substr(0, eol);
            pending.erase(0, eol + 1);
            char what[32];
            long long at = 0;
            const size_t m = line.find("mark ");
            if (m != std::string::npos &&
                std::sscanf(line.c_str() + m, "mark %31s %lld", what, &at) == 2)
                marks[what] = at;
        }
    }
    kill(child.pid, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(child.pid, &status, 0, &usage);
    close(child.err);
    if (!(marks.count("painted") && marks.count("running")))
        throw std::runtime_error(std::string(program) + " did not report its start-up on " +
                                 platform);
    return {(marks["painted"] - start) / 1e6, (marks["running"] - start) / 1e6,
            usage.ru_maxrss / 1024.0};
}

void startup(benchmark::State& state, const std::string& platform) {
    if (platform == "xcb" && !XServer::display()) {
        state.SkipWithError("no Xvfb here");
        return;
    }
    Figures program, bare;
    try {
        for (auto _ : state) {
            bare = launch(ZUT_BARE_PROGRAM, platform);
            program = launch(ZUT_PROGRAM, platform);
            state.SetIterationTime(program.readyMs / 1000);
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    state.counters["frame_ms"] = program.frameMs;
    state.counters["bare_frame_ms"] = bare.frameMs;
    state.counters["frame_ratio"] = program.frameMs / bare.frameMs;
    state.counters["ready_ms"] = program.readyMs;
    state.counters["bare_ready_ms"] = bare.readyMs;
    state.counters["ready_ratio"] = program.readyMs / bare.readyMs;
    state.counters["peak_MB"] = program.peakMb;
    state.counters["bare_peak_MB"] = bare.peakMb;
    state.counters["peak_ratio"] = program.peakMb / bare.peakMb;
}

} // namespace

// One launch of each program per repetition; the medians are the figures.
BENCHMARK_CAPTURE(startup, offscreen, std::string("offscreen"))
    ->Iterations(1)
    ->ReportAggregatesOnly(true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startup, xcb, std::string("xcb"))
    ->Iterations(1)
    ->ReportAggregatesOnly(true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Fifteen repetitions unless the command line asks for another number.
int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=15";
    if (std::none_of(args.begin(), args.end(), [](const char* a) {
            return std::strncmp(a, "--benchmark_repetitions", 23) == 0;
        }))
        args.push_back(repetitions.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
