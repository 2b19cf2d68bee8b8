#include "ResidentMemory.h"

#include "SoakChecks.h"

#include <fstream>
#include <malloc.h>
#include <string>
#include <unistd.h>

std::int64_t ResidentMemory::residentBytes() {
    // Freed memory that the allocator still holds is no leak: it goes back to the system
    // first, so that what is left is memory in use.
    malloc_trim(0);
    std::ifstream statm("/proc/self/statm");
    std::int64_t size = 0;
    std::int64_t resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

namespace {

std::string mebibytes(std::int64_t bytes) {
    return std::to_string(bytes >> 20) + " MiB";
}

} // namespace

void ResidentMemory::sample(long long actionsDone) {
    if (!measured || actionsDone < warmUpActions_)
        return;
    last_ = residentBytes();
    if (!baseline_)
        baseline_ = last_;
    if (actionsDone >= halfway_ && !halfwaySample_)
        halfwaySample_ = last_;
    if (last_ - *baseline_ > allowedGrowth_)
        throw SoakFailure("resident memory grew from " + mebibytes(*baseline_) + " to " +
                          mebibytes(last_) + " after action " + std::to_string(warmUpActions_));
}

void ResidentMemory::checkLevelledOff() {
    if (!measured || !halfwaySample_)
        return;
    last_ = residentBytes();
    if (last_ - *halfwaySample_ > allowedGrowth_ / 4)
        throw SoakFailure("resident memory still grew from " + mebibytes(*halfwaySample_) + " to " +
                          mebibytes(last_) + " over the second half of the run");
}
