#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <string>
#include <vector>

namespace kestrova::bench {

// What one run of a program cost: processor time (user and system) and time on the clock.
struct ChildCost {
    double cpuSeconds = 0.0;
    double wallSeconds = 0.0;
    bool succeeded = false;
};

// Runs `program` with `args` and the given environment ("NAME=value" entries), standard output
// and error sent to /dev/null, and waits for it.
inline ChildCost RunChild(const std::string& program, const std::vector<std::string>& args,
                          const std::vector<std::string>& environment) {
    std::vector<char*> argv;
    std::string name = program;
    argv.push_back(name.data());
    std::vector<std::string> words = args;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    std::vector<std::string> entries = environment;
    std::vector<char*> envp;
    for (std::string& entry : entries) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    ChildCost cost;
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        rusage usage{};
        if (wait4(child, &status, 0, &usage) == child) {
            const auto seconds = [](const timeval& t) {
                return static_cast<double>(t.tv_sec) + 1e-6 * static_cast<double>(t.tv_usec);
            };
            cost.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
            cost.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
    }
    cost.wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    return cost;
}

}  // namespace kestrova::bench
