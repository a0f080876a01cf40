#include <array>
#include <sstream>

#include "analyses/performance_table.hpp"
#include "cli/cli_commands.hpp"
#include "cli/cli_common.hpp"
#include "cli/json_text.hpp"
#include "cli/runner_options.hpp"
#include "cli/stream_notifier.hpp"
#include "model/start_up_state.hpp"
#include "model/text_sink.hpp"
#include "model/time_format.hpp"

namespace kestrova {
namespace {

std::optional<PerformanceTableKind> KindNamed(const std::string& name) {
    if (name == "general") {
        return PerformanceTableKind::General;
    }
    if (name == "age") {
        return PerformanceTableKind::TimesByAge;
    }
    if (name == "individual") {
        return PerformanceTableKind::Individual;
    }
    return std::nullopt;
}

template <std::size_t N>
std::string JsonNumbers(const std::array<double, N>& values) {
    std::string json = "[";
    for (std::size_t i = 0; i < N; ++i) {
        json += JsonNumber(values[i]) + (i + 1 < N ? ", " : "");
    }
    return json + "]";
}

std::string PerformanceTableJson(const PerformanceTable& table) {
    std::string json = "{\n  " + JsonField("caption", JsonString(table.caption), true) + ",\n  " +
                       JsonField("columns", JsonNumbers(table.columns), true) +
                       ",\n  \"rows\": [\n";
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const PerformanceTableRow& row = table.rows[r];
        json += "    {" + JsonField("label", JsonString(TrimBlanks(row.label))) +
                JsonField("meters", JsonNumber(row.distance)) +
                JsonField("seconds", JsonNumbers(row.times), true) + "}" +
                (r + 1 < table.rows.size() ? ",\n" : "\n");
    }
    return json + "  ]\n}\n";
}

// The sex the window's option clicks copy from the main window, or --sex where it may be chosen.
std::optional<std::string> TableSex(const CliInvocation& invocation, PerformanceTableKind kind,
                                    const MainFormInputs& form, std::ostream& err) {
    std::string sex;
    if (form.optmale) {
        sex = "m";
    } else if (form.optfemale) {
        sex = "f";
    }
    const std::optional<std::string> chosen = invocation.Value("--sex");
    if (!chosen) {
        return sex;
    }
    if (*chosen != "m" && *chosen != "f") {
        UsageError(err, "--sex takes m or f, not '" + *chosen + "'");
        return std::nullopt;
    }
    if (kind == PerformanceTableKind::Individual && *chosen != sex) {
        UsageError(err, "the individual table is always for the runner's own sex");
        return std::nullopt;
    }
    return chosen;
}

// The table on the calculated runner, with the sex and "Times by age for level" set as the
// window's controls set them.
int PrintPerformanceTable(const CliInvocation& invocation, PerformanceTableKind kind,
                          const std::string& sex, ModelState& state, MainFormInputs& form,
                          std::ostream& out, std::ostream& err) {
    // What the window's controls do once it is open: the sex and "Times by age for level".
    if (!sex.empty()) {
        state.sex = sex;
    }
    state.timesByAgeSelected = kind == PerformanceTableKind::TimesByAge;
    const PerformanceTableRequest request{kind, invocation.Value("--min").value_or("60"),
                                          invocation.Value("--interval").value_or("5"),
                                          invocation.Value("--level").value_or("100")};
    StreamNotifier notifier(err);
    const std::optional<PerformanceTable> table =
        GeneratePerformanceTable(state, request, form, notifier);
    if (!table) {
        return kExitRefused;
    }
    if (invocation.Flag("--json")) {
        out << PerformanceTableJson(*table);
        return kExitPrinted;
    }
    LineBuffer window;
    WritePerformanceTable(*table, window);
    out << table->caption << '\n';
    PrintLines(window.Lines(), out);
    return kExitPrinted;
}

int RunPerfTable(const CliInvocation& invocation, std::ostream& out, std::ostream& err) {
    const std::optional<PerformanceTableKind> kind =
        KindNamed(invocation.Value("--kind").value_or(""));
    if (!kind) {
        return UsageError(err, "--kind must be general, age or individual");
    }
    std::optional<MainFormInputs> form = LoadCliInputs(invocation, err, {"--sex", "--level"});
    if (!form) {
        return kExitUsageOrFile;
    }
    const std::optional<std::string> sex = TableSex(invocation, *kind, *form, err);
    if (!sex) {
        return kExitUsageOrFile;
    }
    return WithCalculatedRunner(
        invocation, *form, err, [&](ModelState& state, MainFormInputs& fitted) {
            return PrintPerformanceTable(invocation, *kind, *sex, state, fitted, out, err);
        });
}

}  // namespace

CliCommand PerfTableCommand() {
    return {
        "perftable",
        "[--settings FILE] [RUNNER] --kind general|age|individual [--min N] [--interval N] "
        "[--level PERCENT] [--sex m|f] [--json]",
        "Fit the curve as \"table\" does, then print a performance table as the\n"
        "\"Performance levels\" window shows it, its caption on the first line.",
        WithRunnerOptions(
            {SettingsOption(),
             {"--kind", "KIND",
              "general: times at nine performance levels (per cent of the\n"
              "modelled record); age: times at nine ages for one level;\n"
              "individual: your own predicted times at nine ages."},
             {"--min", "N", "The first column's level or age (default 60)."},
             {"--interval", "N", "The step from column to column (default 5)."},
             {"--level", "PERCENT", "The level of the age table (default 100)."},
             {"--sex", "m|f",
              "The sex of the general and age tables (default: the\n"
              "main window's)."},
             JsonOption("Print the table as JSON instead: the caption, the nine\n"
                        "column values and, per row, the label, metres and seconds.")}),
        0,
        RunPerfTable,
    };
}

}  // namespace kestrova
