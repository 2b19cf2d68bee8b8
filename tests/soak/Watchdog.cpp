#include "Watchdog.h"

#include <utility>

Watchdog::Watchdog(std::chrono::seconds patience, std::function<void()> onHang)
    : patience_(patience), onHang_(std::move(onHang)), thread_([this] { watch(); }) {}

Watchdog::~Watchdog() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stop_.notify_all();
    thread_.join();
}

void Watchdog::watch() {
    std::unique_lock lock(mutex_);
    long long seen = -1;
    while (!stop_.wait_for(lock, patience_, [this] { return stopping_; })) {
        const long long now = beats_.load(std::memory_order_relaxed);
        if (now == seen) {
            onHang_();
            return;
        }
        seen = now;
    }
}
