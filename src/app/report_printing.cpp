#include "app/report_printing.hpp"

#include <QPagedPaintDevice>
#include <filesystem>
#include <system_error>

#include "app/dialogs.hpp"
#include "app/printer_text_sink.hpp"
#include "files/report_text_file.hpp"
#include "model/main_form_inputs.hpp"
#include "model/model_state.hpp"
#include "model/notifier.hpp"
#include "output/full_report.hpp"
#include "session/session.hpp"

namespace kestrova {

bool PrintFullReportOn(ModelState& state, const MainFormInputs& form, QPagedPaintDevice& printer) {
    PrinterTextSink sink(printer);
    if (!sink.IsActive()) {
        return false;
    }
    state.reportDestination = kReportToPrinter;
    ProduceFullReport(state, form, sink);
    return sink.Finish();
}

void PrintFullReport(Session& session, const MainFormInputs& form, QWidget* owner, Dialogs& dialogs,
                     Notifier& notifier) {
    if (!session.FitCanBeReported(notifier)) {
        return;
    }
    const auto printer =
        ChoosePrinter(dialogs, QStringLiteral("Kestrova full report"), owner, notifier);
    if (!printer) {
        return;
    }
    if (!PrintFullReportOn(session.State(), form, *printer)) {
        notifier.Show("The full report could not be printed on the printer chosen.");
    }
}

bool SaveFullReportTextFile(Session& session, const MainFormInputs& form, Notifier& notifier) {
    if (!session.FitCanBeReported(notifier)) {
        return false;
    }
    std::error_code error;
    const std::filesystem::path directory = std::filesystem::current_path(error);
    if (error) {
        notifier.Show(std::string("The full report could not be saved: the current directory "
                                  "cannot be found (") +
                      error.message() + ").");
        return false;
    }
    return SaveReportLinesIn(FullReportFileLines(session.State(), form), directory, notifier);
}

}  // namespace kestrova
