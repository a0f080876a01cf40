#include <gtest/gtest.h>

#include <iostream>

#include "model/calculate.hpp"

namespace kestrova {
TEST(Calculate, Smoke) {
    ModelState state;
    ApplyStartUpValues(state);
    MainFormInputs form;
    LineBuffer picture;
    RecordingNotifier notifier;
    Calculate(state, form, picture, notifier);
    std::cout << picture.Text();
    for (auto& m : notifier.Messages())
        std::cout << m.caption << ": " << m.text << "\n";
}
}  // namespace kestrova
