#include "cli/prediction_json.hpp"

#include <cmath>

#include "cli/json_text.hpp"
#include "model/time_format.hpp"

namespace kestrova {
namespace {

std::string RowJson(const PredictionRow& row) {
    const double noValue = std::nan("");
    return "{" + JsonField("label", JsonString(TrimBlanks(row.label))) +
           JsonField("distanceMeters", JsonNumber(row.distance)) +
           JsonField("predictedSeconds", JsonNumber(row.prediction.raceTime)) +
           JsonField("pacePerMileSeconds", JsonNumber(row.prediction.pacePerMile)) +
           JsonField("pacePerKmSeconds", JsonNumber(row.prediction.pacePerKm)) +
           JsonField("pacePer400Seconds", JsonNumber(row.prediction.pacePer400)) +
           JsonField("comparisonSeconds",
                     JsonNumber(row.hasComparison ? row.comparisonTime : noValue)) +
           JsonField("speedPercent",
                     JsonNumber(row.hasComparison ? row.speedRatio * 100.0 : noValue)) +
           JsonField("performanceLevelPercent", JsonNumber(row.perfLevel * 100.0), true) + "}";
}

}  // namespace

std::string PredictionJson(const std::vector<PredictionRow>& rows, const ModelState& state) {
    std::vector<std::string> objects;
    for (const PredictionRow& row : rows) {
        objects.push_back(RowJson(row));
    }
    std::string json = "{\n  \"rows\": [\n" + JsonObjectLines(objects);
    json += "  ],\n  \"fit\": {" + JsonField("aerobicPower", JsonNumber(state.aerobicPower)) +
            JsonField("anaerobicEnergy", JsonNumber(state.anaerobicEnergy)) +
            JsonField("refDist", JsonNumber(state.refDist)) +
            JsonField("fadeCoef", JsonNumber(state.fadeCoef)) +
            JsonField("timeOffset", JsonNumber(state.timeOffset)) +
            JsonField("specIndex", JsonNumber(state.specIndex), true) + "}\n}\n";
    return json;
}

}  // namespace kestrova
