#pragma once

#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>

// Start-up measurement: when TREMORA_BENCH_IDLE is set, print the monotonic clock once the
// event loop has shown the window and has nothing left to do, then quit.
inline void reportWhenIdle(QObject* context) {
    if (!std::getenv("TREMORA_BENCH_IDLE"))
        return;
    // A zero timer fires only when the queue of pending events (show, expose, paint) is empty.
    QTimer::singleShot(0, context, [] {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("idle %lld\n", (long long)now.tv_sec * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        std::exit(0);
    });
}
