#pragma once

#include <cstdint>
#include <optional>

// The process's resident memory, and two bounds on its growth. Caches (fonts, glyphs,
// pixmaps) and the allocator's pools fill during a run and then level off; a leak keeps
// growing. So:
// - from the first sample after the warm-up (the baseline) on, memory stays within
//   `allowedGrowth` of the baseline: a fast leak fails early;
// - over the second half of the run memory grows by at most `allowedGrowth` / 4: a slow leak
//   fails a long run.
//
// Under AddressSanitizer freed memory waits in a quarantine and every allocation carries
// shadow memory, so resident memory says nothing about leaks there: nothing is measured.
class ResidentMemory {
public:
#if defined(__SANITIZE_ADDRESS__)
    static constexpr bool measured = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    static constexpr bool measured = false;
#else
    static constexpr bool measured = true;
#endif
#else
    static constexpr bool measured = true;
#endif

    ResidentMemory(long long actions, long long warmUpActions, std::int64_t allowedGrowth)
        : halfway_(actions / 2), warmUpActions_(warmUpActions), allowedGrowth_(allowedGrowth) {}

    static std::int64_t residentBytes();

    // Throws SoakFailure when the growth since the baseline is beyond the bound.
    void sample(long long actionsDone);
    // At the end of the run: throws SoakFailure when the second half grew beyond its bound.
    void checkLevelledOff();

    std::optional<std::int64_t> baseline() const {
        return baseline_;
    }
    std::optional<std::int64_t> halfway() const {
        return halfwaySample_;
    }
    std::int64_t last() const {
        return last_;
    }

private:
    long long halfway_;
    long long warmUpActions_;
    std::int64_t allowedGrowth_;
    std::optional<std::int64_t> baseline_;
    std::optional<std::int64_t> halfwaySample_;
    std::int64_t last_ = 0;
};
