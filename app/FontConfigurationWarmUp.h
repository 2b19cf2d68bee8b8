#pragma once

#include <thread>

// Reads the system's font configuration on a second thread while the main thread connects
// to the display. Reading it is the largest single step of start-up, and nothing needs a
// font until the first window is built; the owner waits for it by then (finish(), or the
// destructor). The font library guards its configuration itself, so a font lookup that
// came first would only read it again.
class FontConfigurationWarmUp {
public:
    FontConfigurationWarmUp();
    ~FontConfigurationWarmUp();
    FontConfigurationWarmUp(const FontConfigurationWarmUp&) = delete;
    FontConfigurationWarmUp& operator=(const FontConfigurationWarmUp&) = delete;

    void finish();

private:
    std::thread reader_;
};
