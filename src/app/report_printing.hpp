#pragma once

class QPrinter;
class QWidget;

namespace kestrova {

class Dialogs;

class Notifier;
struct MainFormInputs;
struct ModelState;

// Prints the full report on the printer as one document (reportDestination set to the printer).
// Returns false when the printer could not be started or did not take the whole document.
bool PrintFullReportOn(ModelState& state, const MainFormInputs& form, QPrinter& printer);

// The main window's "Full report": lets the user pick a printer (or a PDF file) in the print
// dialog and prints the report there. A cancelled dialog prints nothing; a failure is told.
void PrintFullReport(ModelState& state, const MainFormInputs& form, QWidget* owner,
                     Dialogs& dialogs, Notifier& notifier);

// The main window's "Text file of full report": saves the report as fulltext.txt in the current
// directory and says where, or that and why it could not. Returns whether it was saved.
bool SaveFullReportTextFile(ModelState& state, const MainFormInputs& form, Notifier& notifier);

}  // namespace kestrova
