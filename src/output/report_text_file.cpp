#include "output/report_text_file.hpp"

#include <fstream>
#include <system_error>

#include "output/full_report.hpp"

namespace kestrova {
namespace {

void RemoveQuietly(const std::filesystem::path& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

// Writes every line to a new file in text mode (the platform's own line ends).
std::optional<std::string> WriteLines(const std::filesystem::path& path,
                                      const std::vector<std::string>& lines) {
    std::ofstream file(path, std::ios::out | std::ios::trunc);
    if (!file) {
        return "the file could not be created";
    }
    for (const std::string& line : lines) {
        file << line << '\n';
    }
    file.flush();
    file.close();
    if (!file) {
        return "the file could not be written completely (is the disk full?)";
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> WriteReportTextFile(const std::filesystem::path& path,
                                               const std::vector<std::string>& lines) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    if (std::optional<std::string> failure = WriteLines(temporary, lines)) {
        RemoveQuietly(temporary);
        return failure;
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        RemoveQuietly(temporary);
        return error.message();
    }
    return std::nullopt;
}

std::string ReportSavedMessage(const std::filesystem::path& file) {
    return "Analysis saved in " + file.string();
}

std::string ReportNotSavedMessage(const std::filesystem::path& file, const std::string& reason) {
    return "The full report could not be saved in " + file.string() + ": " + reason + ".";
}

bool SaveFullReportIn(ModelState& state, const MainFormInputs& form,
                      const std::filesystem::path& directory, Notifier& notifier) {
    const std::vector<std::string> lines = FullReportFileLines(state, form);
    const std::filesystem::path file = directory / kReportFileName;
    if (const std::optional<std::string> failure = WriteReportTextFile(file, lines)) {
        notifier.Show(ReportNotSavedMessage(file, *failure));
        return false;
    }
    notifier.Show(ReportSavedMessage(file));
    return true;
}

}  // namespace kestrova
