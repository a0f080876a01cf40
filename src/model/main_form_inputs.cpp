#include "model/main_form_inputs.hpp"

#include <algorithm>

#include "model/number_reader.hpp"
#include "model/number_text.hpp"
#include "model/time_format.hpp"

namespace kestrova {
namespace {

RaceRowInputs StartUpRow(const char* minutes, const char* seconds, const char* number,
                         DistanceUnit unit) {
    RaceRowInputs row;
    row.Check1 = 1;
    row.Text1 = "0";
    row.Text2 = minutes;
    row.Text3 = seconds;
    row.Text4 = number;
    row.SelectUnit(unit);
    return row;
}

std::string WholeNumberText(double value) {
    const std::optional<long long> rounded = RoundHalfEven(value);
    return rounded ? PlainNumberText(static_cast<double>(*rounded)) : "0";
}

}  // namespace

std::optional<DistanceUnit> RaceRowInputs::SelectedUnit() const {
    for (int index = 0; index < kDistanceUnitCount; ++index) {
        if (unitOption[static_cast<std::size_t>(index)]) {
            return DistanceUnitAt(index);
        }
    }
    return std::nullopt;
}

void RaceRowInputs::SelectUnit(DistanceUnit unit) {
    unitOption.fill(false);
    unitOption[static_cast<std::size_t>(unit)] = true;
}

std::array<RaceRowInputs, kRaceRowCount> MainFormInputs::StartUpRows() {
    return {StartUpRow("0", "58.3", "400", DistanceUnit::Meters),
            StartUpRow("2", "18.7", "800", DistanceUnit::Meters),
            StartUpRow("5", "02", "1600", DistanceUnit::Meters),
            StartUpRow("18", "07", "5", DistanceUnit::Kilometers),
            StartUpRow("39", "52", "10", DistanceUnit::Kilometers)};
}

void SetWeeklyVolume(MainFormInputs& form, int miles) {
    form.HScroll1 = miles;
    form.txtmi = PlainNumberText(miles);
    form.txtkm = WholeNumberText(ReadAsNumber(form.txtmi) * 1.609);
}

void SetComparisonLevel(MainFormInputs& form, int tenthsOfPercent) {
    form.HScroll2 = tenthsOfPercent;
    form.Text5 = PlainNumberText(tenthsOfPercent / 10.0);
}

void SetWeight(MainFormInputs& form, int pounds) {
    form.wtscrl = pounds;
    form.txlb = PlainNumberText(pounds);
    form.txkg = FormatNumber(pounds / 2.2, 2, 2);
}

double WeightKgShown(const MainFormInputs& form) {
    return ReadAsNumber(form.txkg);
}

bool AnyRaceRowUsed(const MainFormInputs& form) {
    return std::any_of(form.rows.begin(), form.rows.end(),
                       [](const RaceRowInputs& row) { return row.Check1 == 1; });
}

void ClearRaceRows(MainFormInputs& form) {
    for (RaceRowInputs& row : form.rows) {
        row.Check1 = 0;
        row.Text1.clear();
        row.Text2.clear();
        row.Text3.clear();
        row.Text4.clear();
        row.SelectUnit(DistanceUnit::Meters);
    }
}

void SelectMale(MainFormInputs& form) {
    form.optmale = true;
    form.optfemale = false;
}

void SelectFemale(MainFormInputs& form) {
    form.optfemale = true;
    form.optmale = false;
}

void SelectFitBestTwo(MainFormInputs& form) {
    form.Option7 = true;
    form.Option8 = false;
}

void SelectUseAllData(MainFormInputs& form) {
    form.Option8 = true;
    form.Option7 = false;
}

void SelectMetricOutput(MainFormInputs& form) {
    form.Option9 = true;
    form.Option10 = false;
}

void SelectEnglishOutput(MainFormInputs& form) {
    form.Option10 = true;
    form.Option9 = false;
}

}  // namespace kestrova
