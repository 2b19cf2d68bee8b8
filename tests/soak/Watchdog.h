#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// Ends the process when the program stops answering: if no action completes for
// `patience`, `onHang` runs (on the watchdog's own thread; it should report and exit).
class Watchdog {
public:
    Watchdog(std::chrono::seconds patience, std::function<void()> onHang);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // An action has completed.
    void beat() { beats_.fetch_add(1, std::memory_order_relaxed); }

private:
    void watch();

    std::chrono::seconds patience_;
    std::function<void()> onHang_;
    std::atomic<long long> beats_{0};
    std::mutex mutex_;
    std::condition_variable stop_;
    bool stopping_ = false;
    std::thread thread_;
};
