// Calculate from arbitrary main window inputs: texts made of what a number box may hold, every
// option and check state, scroll bar values anywhere in their ranges. Whatever the inputs, the
// run ends (libFuzzer's timeout catches a hang) and neither the table nor a message shows a
// number that is not finite.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.hpp"
#include "model/calculate.hpp"
#include "model/main_form_inputs.hpp"
#include "model/model_state.hpp"
#include "model/notifier.hpp"
#include "model/start_up_state.hpp"
#include "model/text_sink.hpp"

namespace {

// Texts from these characters reach every path of the number reader, and cannot spell "nan" or
// "inf" themselves when a message repeats them.
constexpr std::string_view kBoxCharacters = "0123456789 .+-eE:x\t";

std::string BoxText(fuzz_support::FuzzInput& input) {
    return input.Text(12, kBoxCharacters);
}

void FillRow(fuzz_support::FuzzInput& input, kestrova::RaceRowInputs& row) {
    row.Check1 = input.IntIn(0, 2);
    row.Text1 = BoxText(input);
    row.Text2 = BoxText(input);
    row.Text3 = BoxText(input);
    row.Text4 = BoxText(input);
    for (bool& option : row.unitOption) {
        option = input.Bool();
    }
}

kestrova::MainFormInputs FuzzedForm(fuzz_support::FuzzInput& input) {
    kestrova::MainFormInputs form;
    form.txtname = BoxText(input);
    form.txtage = BoxText(input);
    form.optmale = input.Bool();
    form.optfemale = input.Bool();
    form.agecomp = input.IntIn(0, 2);
    kestrova::SetWeeklyVolume(form,
                              input.IntIn(kestrova::kWeeklyMilesMin, kestrova::kWeeklyMilesMax));
    kestrova::SetComparisonLevel(
        form, input.IntIn(kestrova::kComparisonLevelMin, kestrova::kComparisonLevelMax));
    kestrova::SetWeight(form, input.IntIn(kestrova::kWeightPoundsMin, kestrova::kWeightPoundsMax));
    form.Option7 = input.Bool();
    form.Option8 = input.Bool();
    form.Option9 = input.Bool();
    form.Option10 = input.Bool();
    for (kestrova::RaceRowInputs& row : form.rows) {
        FillRow(input, row);
    }
    return form;
}

void RequireFiniteRun(const kestrova::LineBuffer& table,
                      const kestrova::RecordingNotifier& notifier) {
    fuzz_support::RequireFiniteText(table.Text(), "the prediction table");
    for (const kestrova::Message& message : notifier.Messages()) {
        fuzz_support::RequireFiniteText(message.caption + ": " + message.text, "a message");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz_support::FuzzInput input(data, size);
    kestrova::MainFormInputs form = FuzzedForm(input);
    kestrova::ModelState state = kestrova::StartUpState(form);
    // Two runs: the second starts from whatever curve the first left in the state.
    for (int run = 0; run < 2; ++run) {
        kestrova::LineBuffer table;
        kestrova::RecordingNotifier notifier;
        const kestrova::CalculateResult result = kestrova::Calculate(state, form, table, notifier);
        RequireFiniteRun(table, notifier);
        if (result.outcome == kestrova::CalculateOutcome::Completed) {
            fuzz_support::Require(
                std::isfinite(state.aerobicPower) && std::isfinite(state.anaerobicEnergy),
                "the fitted curve is not finite", table.Text());
        }
        if (run == 0) {
            FillRow(input, form.rows[input.IntIn(0, kestrova::kRaceRowCount - 1)]);
        }
    }
    return 0;
}
