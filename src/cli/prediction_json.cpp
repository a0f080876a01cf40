#include "cli/prediction_json.hpp"

#include <cmath>

#include "cli/json_text.hpp"

namespace kestrova {
namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string RowJson(const PredictionRow& row) {
    const double noValue = std::nan("");
    return "    {" + JsonField("label", JsonString(Trimmed(row.label))) +
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
    std::string json = "{\n  \"rows\": [\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        json += RowJson(rows[i]) + (i + 1 < rows.size() ? ",\n" : "\n");
    }
    json += "  ],\n  \"fit\": {" + JsonField("aerobicPower", JsonNumber(state.aerobicPower)) +
            JsonField("anaerobicEnergy", JsonNumber(state.anaerobicEnergy)) +
            JsonField("refDist", JsonNumber(state.refDist)) +
            JsonField("fadeCoef", JsonNumber(state.fadeCoef)) +
            JsonField("timeOffset", JsonNumber(state.timeOffset)) +
            JsonField("specIndex", JsonNumber(state.specIndex), true) + "}\n}\n";
    return json;
}

}  // namespace kestrova
