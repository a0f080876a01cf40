#include "cli/prediction_json.hpp"

#include <array>
#include <charconv>
#include <cmath>

namespace kestrova {
namespace {

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            constexpr const char* kHex = "0123456789abcdef";
            out += "\\u00";
            out += kHex[(c >> 4) & 0xf];
            out += kHex[c & 0xf];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

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
