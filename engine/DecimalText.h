#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Both number readers pick the characters of a number out of a text (skipping blanks or
// group separators) and hand the compacted run "-123.45e-6" to std::from_chars, which is
// locale-independent. DecimalText collects that run on the stack; only a number of more
// than 64 characters spills to the heap.
class DecimalText {
public:
    void push_back(char c) {
        if (size_ < inline_.size())
            inline_[size_] = c;
        else
            spillAndAppend(c);
        ++size_;
    }

    std::size_t size() const { return size_; }

    std::string_view view() const {
        return size_ <= inline_.size() ? std::string_view(inline_.data(), size_)
                                       : std::string_view(spill_);
    }

private:
    void spillAndAppend(char c);

    std::array<char, 64> inline_{};
    std::string spill_;
    std::size_t size_ = 0;
};

// Converts a compacted decimal run (optional '-', digits with at most one '.', optional
// exponent) to the nearest double. A magnitude below the double range reads as zero; one
// above it gives nullopt.
std::optional<double> parseDecimal(std::string_view compact);
