// SPDX-License-Identifier: GPL-3.0-or-later
#include "processes.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace bench {

namespace {

// The processes started and not yet stopped, for the signal handler to end.
std::atomic<pid_t> running[64];

void remember(pid_t pid) {
    for (auto& slot : running) {
        pid_t none = 0;
        if (slot.compare_exchange_strong(none, pid)) {
            return;
        }
    }
}

void forget(pid_t pid) {
    for (auto& slot : running) {
        pid_t expected = pid;
        slot.compare_exchange_strong(expected, 0);
    }
}

void end_running(int signal) {
    for (auto& slot : running) {
        if (const pid_t pid = slot.load(); pid > 0) {
            kill(pid, SIGTERM);
        }
    }
    _exit(128 + signal);
}

} // namespace

void end_started_processes_with_probe() {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        std::signal(signal, end_running);
    }
}

pid_t start_process(const std::vector<std::string>& arguments,
                    const std::vector<std::string>& changes, const std::string& log) {
    std::vector<std::string> environment;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        bool changed = false;
        for (const std::string& change : changes) {
            changed = changed || change.substr(0, change.find('=')) == name;
        }
        if (!changed) {
            environment.push_back(entry);
        }
    }
    for (const std::string& change : changes) {
        if (change.back() != '=') {
            environment.push_back(change);
        }
    }
    std::vector<char*> argv, envp;
    for (const std::string& a : arguments) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    for (const std::string& e : environment) {
        envp.push_back(const_cast<char*>(e.c_str()));
    }
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    pid_t pid = -1;
    const int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed) {
        return -1;
    }
    remember(pid);
    return pid;
}

int wait_process(pid_t pid, int milliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            forget(pid);
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (std::chrono::steady_clock::now() >= end) {
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void stop_process(pid_t pid) {
    if (pid <= 0) {
        return;
    }
    kill(pid, SIGTERM);
    if (wait_process(pid, 3000) == -1 && kill(pid, 0) == 0) {
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
    }
    forget(pid);
}

std::string how_process_ended(pid_t pid) {
    int status = 0;
    if (pid <= 0 || waitpid(pid, &status, WNOHANG) != pid) {
        return {};
    }
    forget(pid);
    return WIFEXITED(status) ? "ended with status " + std::to_string(WEXITSTATUS(status))
                             : "ended by signal " + std::to_string(WTERMSIG(status));
}

Memory memory_of(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    Memory memory;
    std::string line;
    while (std::getline(status, line)) {
        std::istringstream fields(line);
        std::string name;
        long kib = 0;
        fields >> name >> kib;
        if (name == "VmHWM:") {
            memory.peak_kib = kib;
        } else if (name == "VmRSS:") {
            memory.resident_kib = kib;
        }
    }
    return memory;
}

Xvfb::Xvfb(int width, int height, int first_display, int last_display, const std::string& log) {
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    for (int n = first_display; n <= last_display && display_.empty(); ++n) {
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(n);
        const std::string lock = "/tmp/.X" + std::to_string(n) + "-lock";
        struct stat st;
        if (stat(socket.c_str(), &st) == 0 || stat(lock.c_str(), &st) == 0) {
            continue;
        }
        const std::string display = ":" + std::to_string(n);
        pid_ = start_process(
            {"Xvfb", display, "-screen", "0", screen, "-nolisten", "tcp", "-noreset"}, {}, log);
        if (pid_ < 0) {
            return;
        }
        for (int i = 0; i < 100; ++i) {
            if (stat(socket.c_str(), &st) == 0) {
                display_ = display;
                break;
            }
            // Another server took the display first: try the next one.
            if (wait_process(pid_, 100) != -1 || kill(pid_, 0) != 0) {
                pid_ = -1;
                break;
            }
        }
        if (display_.empty() && pid_ > 0) {
            stop_process(pid_);
            pid_ = -1;
        }
    }
}

Xvfb::~Xvfb() {
    stop_process(pid_);
}

} // namespace bench
