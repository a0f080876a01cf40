#include "files/race_list.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "files/windows_1252.hpp"
#include "model/number_text.hpp"
#include "model/time_format.hpp"

namespace kestrova {
namespace {

std::string RightField(std::string_view text, int width) {
    return PadField(text, width, PadSide::Right);
}

}  // namespace

std::string PadField(std::string_view text, int width, PadSide side) {
    const std::string trimmed = TrimBlanks(text);
    const std::size_t length = Utf8Length(trimmed);
    const std::size_t wanted = width > 0 ? static_cast<std::size_t>(width) : 0;
    const std::string blanks(length < wanted ? wanted - length : 1, ' ');
    return side == PadSide::Left ? trimmed + blanks : blanks + trimmed;
}

std::string FloatText(float value) {
    if (!std::isfinite(value)) {
        return PlainNumberText(value);
    }
    // The float's shortest round-trip digits, read as a double and written as every number of
    // the program is: the same digits, in the program's number form.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size() - 1, value,
                                      std::chars_format::scientific);
    double widened = 0.0;
    std::from_chars(buffer.data(), result.ptr, widened);
    return PlainNumberText(widened);
}

std::string RaceListLine(const SavedRaceRecord& record, int mainFormRow) {
    std::string line = mainFormRow > 0 ? RightField(std::to_string(mainFormRow), 2) : "  ";
    line += RightField(std::to_string(record.raceNumber), 3);
    line += RightField(FloatText(record.hours), 4);
    line += RightField(FloatText(record.minutes), 5);
    line += RightField(FloatText(record.seconds), 7);
    line += RightField(FloatText(record.number), 8);
    for (int unit = 0; unit < kDistanceUnitCount; ++unit) {
        line += RightField(UnitText(record, unit), 4);
    }
    line += "  ";
    line += PadField(CommentText(record), 15, PadSide::Left);
    return line;
}

std::string DamagedRaceListLine(int raceNumber, std::string_view reason) {
    return "  " + RightField(std::to_string(raceNumber), 3) + "  damaged: " + std::string(reason);
}

}  // namespace kestrova
