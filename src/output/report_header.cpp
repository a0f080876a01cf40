#include "output/report_header.hpp"

#include "model/number_text.hpp"
#include "model/race_entry.hpp"
#include "model/record_curve.hpp"
#include "model/time_format.hpp"

namespace kestrova {
namespace {

struct RaceWords {
    std::string number;
    std::string unit;
};

RaceWords WordsFor(const RaceRowInputs& row) {
    const std::optional<DistanceUnit> unit = row.SelectedUnit();
    if (!unit) {
        // A row without a unit cannot be calculated; its number stands alone.
        return {row.Text4, ""};
    }
    switch (*unit) {
        case DistanceUnit::Miles:
            return {row.Text4, " mi"};
        case DistanceUnit::Yards:
            return {row.Text4, " yd"};
        case DistanceUnit::Kilometers:
            return {row.Text4, " km"};
        case DistanceUnit::Meters:
            return {row.Text4, " m"};
        case DistanceUnit::Marathon:
            return {"marathon", " "};
        case DistanceUnit::HalfMarathon:
            return {"half marathon", " "};
    }
    return {row.Text4, ""};
}

void WriteLine(TextSink& sink, const std::string& text) {
    sink.Write(text);
    sink.EndLine();
}

}  // namespace

std::string ReportRaceLine(const RaceRowInputs& row) {
    const RaceWords words = WordsFor(row);
    return "     " + FormatTime(ReadRaceEntry(row).timeSeconds) + " for " + words.number +
           words.unit;
}

std::string ReportAgeText(const ModelState& state) {
    return state.ageFlag == 1 ? NumberText(state.age) : "open class";
}

void WriteReportHeader(ModelState& state, const MainFormInputs& form, OutputForm outputForm,
                       TextSink& sink) {
    WriteLine(sink, "KESTROVA full report on " + form.txtname + " (" + form.txtage + " year old " +
                        (form.optmale ? "male" : "female") + "):");
    WriteEmptyLine(sink, outputForm);
    WriteLine(sink, "Weekly training distance = " + form.txtmi + " miles = " + form.txtkm + " km.");
    WriteLine(sink, "Based on the following race performances:");
    WriteEmptyLine(sink, outputForm);
    for (const RaceRowInputs& row : form.rows) {
        if (row.Check1 == 1) {
            WriteLine(sink, ReportRaceLine(row));
        }
    }
    WriteEmptyLine(sink, outputForm);
    WriteLine(sink, form.Option7 ? "Fitting best two races."
                                 : "Using age, sex, and training data in addition to races.");
    UpdateAgeFlag(state);
    WriteLine(sink,
              "Comparing to performance level " + form.Text5 + "    Age = " + ReportAgeText(state));
}

}  // namespace kestrova
