#include "FontConfigurationWarmUp.h"

#include <fontconfig/fontconfig.h>

FontConfigurationWarmUp::FontConfigurationWarmUp() : reader_([] { FcInit(); }) {}

FontConfigurationWarmUp::~FontConfigurationWarmUp() {
    finish();
}

void FontConfigurationWarmUp::finish() {
    if (reader_.joinable())
        reader_.join();
}
