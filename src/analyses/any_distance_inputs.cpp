#include "analyses/any_distance_inputs.hpp"

#include <cmath>

#include "model/number_reader.hpp"
#include "model/time_format.hpp"

namespace kestrova {

void StoreSpecialInputs(const SpecialFormInputs& inputs, SpecialFormMemory& memory) {
    memory.used = 1;
    memory.distanceText = inputs.Text1;
    memory.unitChoice = inputs.unitChoice;
    memory.analysisChoice = inputs.analysisChoice;
    memory.slopeText = inputs.Text3;
}

SpecialFormInputs OpeningSpecialInputs(const SpecialFormMemory& memory) {
    SpecialFormInputs inputs;
    if (memory.used == 1) {
        inputs.Text1 = memory.distanceText;
        inputs.unitChoice = memory.unitChoice;
        inputs.analysisChoice = memory.analysisChoice;
        inputs.Text3 = memory.slopeText;
    }
    return inputs;
}

SpecialAnalysis ChosenAnalysis(const SpecialFormInputs& inputs) {
    if (inputs.analysisChoice[0]) {
        return SpecialAnalysis::UnevenSplits;
    }
    if (inputs.analysisChoice[1]) {
        return SpecialAnalysis::ConstantSlope;
    }
    if (inputs.analysisChoice[2]) {
        return SpecialAnalysis::HalfUpHalfDown;
    }
    return SpecialAnalysis::LevelOnly;
}

bool HasStrategyTable(SpecialAnalysis analysis) {
    return analysis == SpecialAnalysis::UnevenSplits || analysis == SpecialAnalysis::HalfUpHalfDown;
}

double SpecialDistance(const SpecialFormInputs& inputs) {
    std::optional<DistanceUnit> unit;
    for (int i = 0; i < kDistanceUnitCount && !unit; ++i) {
        if (inputs.unitChoice[static_cast<std::size_t>(i)]) {
            unit = DistanceUnitAt(i);
        }
    }
    return RaceDistanceMeters(ReadAsNumber(inputs.Text1), unit);
}

double SpecialSlope(const SpecialFormInputs& inputs) {
    const SpecialAnalysis analysis = ChosenAnalysis(inputs);
    if (analysis != SpecialAnalysis::ConstantSlope && analysis != SpecialAnalysis::HalfUpHalfDown) {
        return 0.0;
    }
    return ReadAsNumber(inputs.Text3);
}

std::string HorizontalGradeText(std::string_view slopeText) {
    const double s = ReadAsNumber(slopeText);
    if (!(std::fabs(s) < 1.0)) {
        return {};
    }
    return FormatNumber(s / std::pow(1.0 - s * s, 0.5), 6, 4);
}

}  // namespace kestrova
