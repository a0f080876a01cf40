#include "model/headless_calculate.hpp"

namespace kestrova {
namespace {

// Sets syntheticMode for one scope and always clears it again.
class SyntheticModeScope {
  public:
    explicit SyntheticModeScope(ModelState& state) : state_(state) { state_.syntheticMode = 1; }
    ~SyntheticModeScope() { state_.syntheticMode = 0; }
    SyntheticModeScope(const SyntheticModeScope&) = delete;
    SyntheticModeScope& operator=(const SyntheticModeScope&) = delete;

  private:
    ModelState& state_;
};

}  // namespace

CalculateOutcome CalculateHeadless(ModelState& state, MainFormInputs& form,
                                   const SyntheticRunner& runner, Notifier& notifier) {
    state.synth800 = runner.synth800;
    state.synth5000 = runner.synth5000;
    state.levelColumn = runner.levelColumn;
    const SyntheticModeScope scope(state);
    LineBuffer unused;
    return Calculate(state, form, unused, notifier).outcome;
}

}  // namespace kestrova
