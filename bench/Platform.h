#pragma once

// What the benchmarks and the start-up probes ask of the system, for Linux and for Windows (MSVC or MinGW).

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>
#else
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#endif

// Keeps a function out of line, so that a profiler finds it by name and counts its work alone.
#ifdef _MSC_VER
#define BENCH_NOINLINE __declspec(noinline)
#else
#define BENCH_NOINLINE __attribute__((noinline))
#endif

namespace bench {

// The CPU time the calling thread has used, user and system, in seconds.
inline double ThreadCpuSeconds() {
#ifdef _WIN32
    FILETIME created{}, exited{}, system{}, user{};
    GetThreadTimes(GetCurrentThread(), &created, &exited, &system, &user);
    const auto ticks = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime);
    };
    return (ticks(system) + ticks(user)) * 100e-9;  // in ticks of 100 ns
#else
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
#endif
}

// The most memory the process has held resident so far, in KiB; -1 where the system does not say.
inline long PeakResidentKiB() {
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters{};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return -1;
    return static_cast<long>(counters.PeakWorkingSetSize / 1024);
#else
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
#endif
}

}  // namespace bench
