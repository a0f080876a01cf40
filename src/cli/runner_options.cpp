#include "cli/runner_options.hpp"

#include <algorithm>
#include <array>

#include "session/runner_inputs.hpp"

namespace kestrova {
namespace {

constexpr std::string_view kRaceOption = "--race";

// The profile options with a value, in the order they are applied; each is "--" and the name
// of its field in the runner's inputs.
constexpr std::array<std::string_view, 8> kProfileOptions{
    "--age",       "--sex",       "--weekly-miles", "--weekly-km",
    "--weight-kg", "--weight-lb", "--fit",          "--level",
};

// Listed once in --help under "Runner options" (RunnerOptionsHelp), so their help is empty.
std::vector<CliOption> RunnerOptions() {
    CliOption race{std::string(kRaceOption), "DISTANCE TIME", ""};
    race.repeatable = true;
    race.valueWords = 2;
    std::vector<CliOption> options{race};
    for (const std::string_view name : kProfileOptions) {
        options.push_back({std::string(name), "VALUE", ""});
    }
    options.push_back({"--age-graded", "", ""});
    options.push_back({"--english", "", ""});
    return options;
}

bool Contains(const std::vector<std::string_view>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::optional<std::string> ApplyRaces(const CliInvocation& invocation, MainFormInputs& form) {
    const std::vector<std::vector<std::string>> races = invocation.Uses(kRaceOption);
    if (races.empty()) {
        return std::nullopt;
    }
    if (races.size() > form.rows.size()) {
        return "--race may be given at most 5 times, not " + std::to_string(races.size());
    }
    ClearRaceRows(form);
    for (std::size_t i = 0; i < races.size(); ++i) {
        if (const RunnerInputError error = SetRaceRow(form.rows[i], races[i][0], races[i][1])) {
            return "--race " + *error;
        }
    }
    return std::nullopt;
}

}  // namespace

std::vector<CliOption> WithRunnerOptions(std::vector<CliOption> own) {
    for (CliOption& option : RunnerOptions()) {
        const bool taken = std::any_of(own.begin(), own.end(), [&option](const CliOption& o) {
            return o.name == option.name;
        });
        if (!taken) {
            own.push_back(std::move(option));
        }
    }
    return own;
}

std::string RunnerOptionsHelp() {
    return R"(Runner options (RUNNER above): the runner and the races without a settings file.
They override what the settings file holds; with --race and without --settings
the other inputs start at the main window's start-up values.
  --race DISTANCE TIME   a race, up to five times. DISTANCE: 5km, 10000m, 3mi,
                         880yd, mara, hmara; TIME: h:mm:ss, mm:ss or seconds
  --age YEARS            the runner's age
  --sex m|f              the runner's sex
  --weekly-miles MILES   weekly training in whole miles, 0 to 150
  --weekly-km KM         or in kilometres (taken to the nearest mile)
  --weight-kg KG         body weight in kilograms (taken to the nearest pound)
  --weight-lb LB         or in whole pounds, 30 to 300
  --fit best-two|all     "Fit best two" or "Use all data"
  --level PERCENT        the comparison level, 0 to 105
  --age-graded           "Use age-based comparisons"
  --english              "English output" in the prediction table
An option of a command's own with one of these names keeps the command's meaning
(power --weight-kg, perftable --sex and --level). A value that cannot be used is
named on standard error with exit status 2. For example:
  kestrova-cli table --race 5km 18:07 --race hmara 1:25:30 --age 42 --sex f \
      --weekly-km 60 --weight-kg 58 --fit all --level 95 --age-graded
)";
}

bool GivesRaces(const CliInvocation& invocation) {
    return !invocation.Uses(kRaceOption).empty();
}

std::optional<std::string> ApplyRunnerOptions(const CliInvocation& invocation, MainFormInputs& form,
                                              const std::vector<std::string_view>& commandOwn) {
    const auto both = [&](std::string_view a, std::string_view b) {
        return invocation.Value(a) && invocation.Value(b) && !Contains(commandOwn, a) &&
               !Contains(commandOwn, b);
    };
    if (both("--weekly-miles", "--weekly-km")) {
        return std::string("--weekly-miles and --weekly-km cannot both be given");
    }
    if (both("--weight-kg", "--weight-lb")) {
        return std::string("--weight-kg and --weight-lb cannot both be given");
    }
    if (std::optional<std::string> error = ApplyRaces(invocation, form)) {
        return error;
    }
    for (const std::string_view option : kProfileOptions) {
        const std::optional<std::string> value = invocation.Value(option);
        if (!value || Contains(commandOwn, option)) {
            continue;
        }
        const std::optional<RunnerFieldSetter> setter = RunnerFieldNamed(option.substr(2));
        if (!setter) {
            continue;
        }
        if (const RunnerInputError error = (*setter)(form, *value)) {
            return std::string(option) + " " + *error;
        }
    }
    if (invocation.Flag("--age-graded")) {
        form.agecomp = 1;
    }
    if (invocation.Flag("--english")) {
        SelectEnglishOutput(form);
    }
    return std::nullopt;
}

}  // namespace kestrova
