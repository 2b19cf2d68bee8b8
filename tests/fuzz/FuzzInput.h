#pragma once

#include "engine/NumberLocale.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

// The fuzzers read plain text, so that a corpus file can be read and written by hand: the
// first character picks the number locale ('0' English, '1' decimal comma, '2' a multi-byte
// group separator, '3' no grouping, or any byte modulo 4), and the rest is split at '|' into
// the target's fields (missing fields are empty, the last one takes the rest).
struct FuzzInput {
    const NumberLocale& locale;
    std::vector<std::string_view> fields;
};

inline const NumberLocale& fuzzLocale(std::uint8_t pick) {
    static const std::array<NumberLocale, 4> kLocales = {
        NumberLocale{".", ","}, NumberLocale{",", "."}, NumberLocale{",", "\u00a0"},
        NumberLocale{".", ""}};
    return kLocales[pick % kLocales.size()];
}

inline FuzzInput splitFuzzInput(const std::uint8_t* data, std::size_t size,
                                std::size_t fieldCount) {
    FuzzInput input{fuzzLocale(size == 0 ? 0 : data[0]), {}};
    std::string_view rest =
        size == 0 ? std::string_view{}
                  : std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1);
    for (std::size_t field = 1; field < fieldCount; ++field) {
        const auto bar = rest.find('|');
        input.fields.push_back(rest.substr(0, bar));
        rest = bar == std::string_view::npos ? std::string_view{} : rest.substr(bar + 1);
    }
    input.fields.push_back(rest);
    return input;
}

// A broken property is a finding: say which, and crash so that libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
