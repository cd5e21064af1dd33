// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The processes the probe starts: the programs it measures and the X servers they run on.

#include <string>
#include <vector>

#include <sys/types.h>

namespace bench {

// Starts a program with the given arguments, its environment the probe's with the
// changes ("NAME=value", or "NAME=" to leave it out), its output appended to the log
// file; returns its process id, or -1.
pid_t start_process(const std::vector<std::string>& arguments,
                    const std::vector<std::string>& changes, const std::string& log);

// When the probe is interrupted (SIGINT, SIGTERM, SIGHUP), the processes it started and
// has not stopped yet are ended with it.
void end_started_processes_with_probe();

// Ends a process the probe started: asks it to end, then makes it; waits for it.
void stop_process(pid_t pid);

// Waits up to the given time for a process to end; its exit status, or -1 while it
// runs on (or when it ended by a signal).
int wait_process(pid_t pid, int milliseconds);

// Empty while the process runs; else how it ended ("ended with status 1", "ended by
// signal 11"). A process found ended is reaped.
std::string how_process_ended(pid_t pid);

// Resident memory of a process from /proc: its peak (VmHWM) and now (VmRSS), in KiB.
struct Memory {
    long peak_kib = 0;
    long resident_kib = 0;
};
Memory memory_of(pid_t pid);

// An Xvfb server of one size, on the first free display of a range, for as long as the
// object lives.
class Xvfb {
public:
    Xvfb(int width, int height, int first_display, int last_display, const std::string& log);
    ~Xvfb();
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;
    // ":81", or empty when no server could be started.
    const std::string& display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

} // namespace bench
