#include "files/report_text_file.hpp"

#include "files/safe_save.hpp"

namespace kestrova {

std::optional<std::string> WriteReportTextFile(const std::filesystem::path& path,
                                               const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return SaveFileSafely(path, text);
}

std::string ReportSavedMessage(const std::filesystem::path& file) {
    return "Analysis saved in " + file.string();
}

std::string ReportNotSavedMessage(const std::filesystem::path& file, const std::string& reason) {
    return "The full report could not be saved in " + file.string() + ": " + reason + ".";
}

bool SaveReportLinesIn(const std::vector<std::string>& lines,
                       const std::filesystem::path& directory, Notifier& notifier) {
    const std::filesystem::path file = directory / kReportFileName;
    if (const std::optional<std::string> failure = WriteReportTextFile(file, lines)) {
        notifier.Show(ReportNotSavedMessage(file, *failure));
        return false;
    }
    notifier.Show(ReportSavedMessage(file));
    return true;
}

}  // namespace kestrova
