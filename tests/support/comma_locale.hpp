#pragma once

#include <clocale>
#include <string>

namespace kestrova::test_support {

// The process runs under a German locale, whose decimal mark is a comma, as a program started
// with LC_ALL=de_DE.UTF-8 does once its toolkit has taken the user's locale; the previous locale
// comes back afterwards. Active() is false when the machine has no such locale.
class CommaLocale {
  public:
    CommaLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) {
                active_ = *std::localeconv()->decimal_point == ',';
                return;
            }
        }
    }
    ~CommaLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;
    bool Active() const { return active_; }

  private:
    std::string previous_;
    bool active_ = false;
};

}  // namespace kestrova::test_support
