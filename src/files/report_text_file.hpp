#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/notifier.hpp"

namespace kestrova {

inline constexpr const char* kReportFileName = "fulltext.txt";

// Writes the lines to `path`, each ended by a line feed, through SaveFileSafely, so that a
// failure never leaves a half-written report. Returns the reason when the file could not be
// written, nothing on success.
std::optional<std::string> WriteReportTextFile(const std::filesystem::path& path,
                                               const std::vector<std::string>& lines);

// "Analysis saved in " and the saved file's full name.
std::string ReportSavedMessage(const std::filesystem::path& file);

// The message for a report that could not be saved, naming the file and the reason.
std::string ReportNotSavedMessage(const std::filesystem::path& file, const std::string& reason);

// Saves the report's lines (its text-file form, which the caller produces) as fulltext.txt in
// `directory`, then tells the user where it was saved, or that and why it could not be saved.
// Returns whether it was saved.
bool SaveReportLinesIn(const std::vector<std::string>& lines,
                       const std::filesystem::path& directory, Notifier& notifier);

}  // namespace kestrova
