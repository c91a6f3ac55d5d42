#pragma once

// Shared by the two start-up probes: report the time from the launcher's clock reading (argv[1], in
// nanoseconds of the steady clock: CLOCK_MONOTONIC on Linux, as Python's time.monotonic_ns() reads it) to the
// end of the first paint pass, and the peak resident memory the system counted until then, and end the
// process at once.

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "Platform.h"

namespace bench {

inline long long MonotonicNanoseconds() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
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
                std::_Exit(0);
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
