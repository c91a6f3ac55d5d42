#pragma once

// Shared by the two start-up probes: report the time from the launcher's clock reading (argv[1], in
// nanoseconds of CLOCK_MONOTONIC) to the end of the first paint pass, and the peak resident memory the
// kernel counted until then, and end the process at once.

#include <unistd.h>
#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

namespace bench {

inline long long MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

inline long PeakResidentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// Watches the application for its first paint event; once that paint pass has ended, prints
// "<microseconds> <KiB>" and exits without tearing anything down.
class FirstPaintProbe final : public QObject {
  public:
    explicit FirstPaintProbe(long long start) : start_(start) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [this] {
                const long long elapsed = MonotonicNanoseconds() - start_;
                std::printf("%lld %ld\n", elapsed / 1000, PeakResidentKiB());
                std::fflush(stdout);
                _exit(0);
            });
        }
        return false;
    }

  private:
    long long start_;
    bool seen_ = false;
};

inline long long StartFromArguments(int argc, char** argv) {
    return argc > 1 ? std::strtoll(argv[1], nullptr, 10) : MonotonicNanoseconds();
}

// A probe's application: its clock reading taken first, then the Qt application, watched for its first paint.
class ProbedApplication {
  public:
    ProbedApplication(int argc, char** argv)
        : start_(StartFromArguments(argc, argv)), app_(qtArgc_, argv), probe_(start_) {
        app_.installEventFilter(&probe_);
    }

  private:
    long long start_;
    int qtArgc_ = 1;
    QApplication app_;
    FirstPaintProbe probe_;
};

}  // namespace bench
