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

std::string Field(const char* name, const std::string& value, bool last = false) {
    return std::string("\"") + name + "\": " + value + (last ? "" : ", ");
}

std::string RowJson(const PredictionRow& row) {
    const double noValue = std::nan("");
    return "    {" + Field("label", JsonString(Trimmed(row.label))) +
           Field("distanceMeters", JsonNumber(row.distance)) +
           Field("predictedSeconds", JsonNumber(row.prediction.raceTime)) +
           Field("pacePerMileSeconds", JsonNumber(row.prediction.pacePerMile)) +
           Field("pacePerKmSeconds", JsonNumber(row.prediction.pacePerKm)) +
           Field("pacePer400Seconds", JsonNumber(row.prediction.pacePer400)) +
           Field("comparisonSeconds",
                 JsonNumber(row.hasComparison ? row.comparisonTime : noValue)) +
           Field("speedPercent", JsonNumber(row.hasComparison ? row.speedRatio * 100.0 : noValue)) +
           Field("performanceLevelPercent", JsonNumber(row.perfLevel * 100.0), true) + "}";
}

}  // namespace

std::string PredictionJson(const std::vector<PredictionRow>& rows, const ModelState& state) {
    std::string json = "{\n  \"rows\": [\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        json += RowJson(rows[i]) + (i + 1 < rows.size() ? ",\n" : "\n");
    }
    json += "  ],\n  \"fit\": {" + Field("aerobicPower", JsonNumber(state.aerobicPower)) +
            Field("anaerobicEnergy", JsonNumber(state.anaerobicEnergy)) +
            Field("refDist", JsonNumber(state.refDist)) +
            Field("fadeCoef", JsonNumber(state.fadeCoef)) +
            Field("timeOffset", JsonNumber(state.timeOffset)) +
            Field("specIndex", JsonNumber(state.specIndex), true) + "}\n}\n";
    return json;
}

}  // namespace kestrova
