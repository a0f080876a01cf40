#pragma once

// Helpers shared by the fuzz targets: reading typed values from libFuzzer's bytes, the checks
// every output must pass, and a scratch current directory for targets that touch files.

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

namespace fuzz_support {

// Takes values from the front of the fuzzer's bytes; once they run out every value is 0 / empty.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    bool Bool() { return (Byte() & 1U) != 0; }

    // A value from lo to hi (both included).
    int IntIn(int lo, int hi) {
        const std::uint32_t raw = Byte() | (static_cast<std::uint32_t>(Byte()) << 8U);
        return lo + static_cast<int>(raw % static_cast<std::uint32_t>(hi - lo + 1));
    }

    double Double() {
        double value = 0;
        std::uint8_t bytes[sizeof value] = {};
        for (std::uint8_t& b : bytes) {
            b = Byte();
        }
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }

    // Up to maxLength characters, each picked from alphabet (or any byte when it is empty).
    std::string Text(std::size_t maxLength, std::string_view alphabet = {}) {
        const std::size_t length = Byte() % (maxLength + 1);
        std::string text;
        for (std::size_t i = 0; i < length && pos_ < size_; ++i) {
            const std::uint8_t b = Byte();
            text += alphabet.empty() ? static_cast<char>(b) : alphabet[b % alphabet.size()];
        }
        return text;
    }

    // Everything not read yet.
    std::string Rest() {
        std::string rest(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
        pos_ = size_;
        return rest;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Stops the run with a message (libFuzzer then saves the input that did it).
[[noreturn]] inline void Fail(std::string_view what, std::string_view text) {
    std::fprintf(stderr, "FUZZ CHECK FAILED: %.*s\n%.*s\n", static_cast<int>(what.size()),
                 what.data(), static_cast<int>(text.size()), text.data());
    std::abort();
}

inline void Require(bool holds, std::string_view what, std::string_view text = {}) {
    if (!holds) {
        Fail(what, text);
    }
}

// Whether text shows a number that is not finite: "nan" or "inf" standing as a word of its own
// (as printf and streams write them), not inside a longer word such as "information".
inline bool ShowsNonFinite(std::string_view text) {
    const auto letter = [&text](std::size_t i) {
        return i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])) != 0;
    };
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        std::string word(text.substr(i, 3));
        for (char& c : word) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        if ((word == "nan" || word == "inf") && (i == 0 || !letter(i - 1)) &&
            (!letter(i + 3) || text.substr(i + 3, 5) == "inity")) {
            return true;
        }
    }
    return false;
}

inline void RequireFiniteText(std::string_view text, std::string_view where) {
    Require(!ShowsNonFinite(text), where, text);
}

// Makes a fresh directory under the system's temporary directory the current directory, so that
// whatever a target writes stays there.
inline std::filesystem::path EnterScratchDirectory() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "kestrova-fuzz-XXXXXX").string();
    const char* made = ::mkdtemp(pattern.data());
    Require(made != nullptr, "could not make a scratch directory");
    std::filesystem::current_path(made);
    return made;
}

}  // namespace fuzz_support
