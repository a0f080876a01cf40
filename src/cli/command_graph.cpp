#include <filesystem>
#include <string>

#include "cli/canvas_json.hpp"
#include "cli/cli_commands.hpp"
#include "cli/cli_common.hpp"
#include "cli/runner_options.hpp"
#include "cli/stream_notifier.hpp"
#include "files/safe_save.hpp"
#include "model/start_up_state.hpp"
#include "output/pace_graph.hpp"
#include "painting/image_module_loader.hpp"

namespace kestrova {
namespace {

// Where the graph goes: an image file, an image on standard output, or the display list as JSON.
struct GraphOutput {
    bool json = false;
    CanvasImageFormat format = CanvasImageFormat::Png;
    std::filesystem::path file;
    bool toStandardOutput = false;
};

std::optional<GraphOutput> ChosenOutput(const CliInvocation& invocation) {
    const std::optional<std::string> svg = invocation.Value("--svg");
    const std::optional<std::string> png = invocation.Value("--png");
    const bool json = invocation.Flag("--json");
    if (static_cast<int>(svg.has_value()) + static_cast<int>(png.has_value()) +
            static_cast<int>(json) !=
        1) {
        return std::nullopt;
    }
    if (json) {
        return GraphOutput{true, CanvasImageFormat::Png, {}};
    }
    const std::string& file = svg ? *svg : *png;
    return GraphOutput{false, svg ? CanvasImageFormat::Svg : CanvasImageFormat::Png,
                       invocation.currentDirectory / file, file == kStandardStreamName};
}

// graphScale from --scale (4 without it); nothing when the value is not 1-4.
std::optional<int> ChosenScale(const CliInvocation& invocation) {
    const std::string value = invocation.Value("--scale").value_or("4");
    if (value.size() != 1 || value[0] < '1' || value[0] > '4') {
        return std::nullopt;
    }
    return value[0] - '0';
}

// graphUnits from --units ("m" without it); nothing for a word other than metric or english.
std::optional<std::string> ChosenUnits(const CliInvocation& invocation) {
    const std::string value = invocation.Value("--units").value_or("metric");
    if (value == "metric") {
        return "m";
    }
    if (value == "english") {
        return "e";
    }
    return std::nullopt;
}

// Writes the image's bytes to standard output, which must not be a terminal.
int PrintImage(const Canvas& canvas, const CliInvocation& invocation, CanvasImageFormat format,
               std::ostream& out, std::ostream& err) {
    if (invocation.console.outputIsTerminal) {
        return UsageError(err, "standard output is a terminal; redirect it or name a file");
    }
    std::string bytes;
    if (const auto failure = CanvasImageBytesFromModule(invocation.console.imageModule, canvas,
                                                        format, kImageFilePixelRatio, bytes)) {
        return UsageError(err, "cannot make the image: " + *failure);
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
        return UsageError(err, "cannot write the image to standard output");
    }
    return kExitPrinted;
}

int RunGraph(const CliInvocation& invocation, std::ostream& out, std::ostream& err) {
    const std::optional<GraphOutput> output = ChosenOutput(invocation);
    if (!output) {
        return UsageError(err, "graph needs exactly one of --svg FILE, --png FILE and --json");
    }
    const std::optional<int> scale = ChosenScale(invocation);
    if (!scale) {
        return UsageError(err, "--scale must be 1, 2, 3 or 4");
    }
    const std::optional<std::string> units = ChosenUnits(invocation);
    if (!units) {
        return UsageError(err, "--units must be metric or english");
    }
    return WithCalculatedRunner(invocation, err, [&](ModelState& state, MainFormInputs& form) {
        state.graphScale = *scale;
        state.graphUnits = *units;
        Canvas canvas(kGraphWidth, kGraphHeight);
        StreamNotifier notifier(err);
        if (!DrawPaceGraph(state, form.HScroll2, canvas, notifier)) {
            return kExitRefused;
        }
        if (output->json) {
            out << CanvasJson(canvas);
            return kExitPrinted;
        }
        if (output->toStandardOutput) {
            return PrintImage(canvas, invocation, output->format, out, err);
        }
        const std::string file = output->file.string();
        std::string bytes;
        std::optional<std::string> failure = CanvasImageBytesFromModule(
            invocation.console.imageModule, canvas, output->format, kImageFilePixelRatio, bytes);
        if (!failure) {
            failure = SaveFileSafely(file, bytes);
        }
        if (failure) {
            return UsageError(err, "cannot write the image " + file + ": " + *failure);
        }
        return kExitPrinted;
    });
}

}  // namespace

CliCommand GraphCommand() {
    return {
        "graph",
        "[--settings FILE] [RUNNER] [--scale 1|2|3|4] [--units metric|english]\n"
        "      (--svg FILE | --png FILE | --json)",
        "Fit the curve as \"table\" does, then draw the pace-versus-distance\n"
        "graph as the \"Graph\" button does, at the settings file's comparison\n"
        "level, and save it as an image or print what it draws.",
        WithRunnerOptions(
            {SettingsOption(),
             {"--scale", "1|2|3|4",
              "The distance scale: 1 \"100 m - 800 m Linear\", 2 \"400 m - 3200 m\n"
              "Linear\", 3 \"5 km - Marathon Linear\", 4 \"100 m - 100 km Log\"\n"
              "(the default)."},
             {"--units", "metric|english",
              "The pace axes in metric (the default) or english units."},
             {"--svg", "FILE",
              "Save the graph as an SVG image in FILE (\"-\": standard\n"
              "output, when it is not a terminal)."},
             {"--png", "FILE",
              "Save the graph as a PNG image (1212 x 768 pixels) in FILE\n"
              "(\"-\": standard output, when it is not a terminal)."},
             JsonOption("Print the drawing instead: one JSON array of its lines,\n"
                        "circles and texts in drawing order, positions in twips and\n"
                        "colours as indices of the 16-colour palette. The curves are\n"
                        "cut at the plot's edges; a race mark reaching out of the plot\n"
                        "has the \"clip\" rectangle it is painted inside.")}),
        0,
        RunGraph,
    };
}

}  // namespace kestrova
