#pragma once

#include <string>

#include "model/calculate.hpp"
#include "model/main_form_inputs.hpp"
#include "model/model_state.hpp"
#include "model/notifier.hpp"
#include "model/text_sink.hpp"
#include "support/model_fixtures.hpp"

namespace kestrova::test_support {

// A main window with every row cleared, to which a test adds the races it needs.
class FormBuilder {
  public:
    FormBuilder() { ClearRaceRows(form_); }

    FormBuilder& Race(int row, const std::string& hours, const std::string& minutes,
                      const std::string& seconds, const std::string& number, DistanceUnit unit) {
        SetRaceRow(form_, row, hours, minutes, seconds, number, unit);
        return *this;
    }
    FormBuilder& BestTwo() {
        SelectFitBestTwo(form_);
        return *this;
    }
    FormBuilder& English() {
        SelectEnglishOutput(form_);
        return *this;
    }
    FormBuilder& Female() {
        SelectFemale(form_);
        return *this;
    }
    FormBuilder& Age(const std::string& age) {
        form_.txtage = age;
        return *this;
    }
    MainFormInputs Build() const { return form_; }

  private:
    MainFormInputs form_;
};

// One Calculate run with its canvas and messages.
struct ModelRun {
    ModelState state;
    MainFormInputs form;
    LineBuffer picture;
    RecordingNotifier notifier;
    CalculateResult result;

    explicit ModelRun(MainFormInputs inputs) : form(std::move(inputs)) {
        ApplyStartUpValues(state);
    }

    ModelRun& Calculate() {
        result = kestrova::Calculate(state, form, picture, notifier);
        return *this;
    }
    bool Completed() const { return result.outcome == CalculateOutcome::Completed; }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Message& m : notifier.Messages()) {
            texts.push_back(m.text);
        }
        return texts;
    }
};

}  // namespace kestrova::test_support
