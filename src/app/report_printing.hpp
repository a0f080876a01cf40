#pragma once

class QPagedPaintDevice;
class QWidget;

namespace kestrova {

class Dialogs;

class Notifier;
class Session;
struct MainFormInputs;
struct ModelState;

// Prints the full report on the printer as one document (reportDestination set to the printer).
// Returns false when the printer could not be started or did not take the whole document.
bool PrintFullReportOn(ModelState& state, const MainFormInputs& form, QPagedPaintDevice& printer);

// The main window's "Full report": lets the user pick a printer (or a PDF file) in the print
// dialog and prints the session's report there. A cancelled dialog prints nothing; a failure is
// told. After a Calculate that stopped on a message it is refused before anything is asked.
void PrintFullReport(Session& session, const MainFormInputs& form, QWidget* owner, Dialogs& dialogs,
                     Notifier& notifier);

// The main window's "Text file of full report": saves the session's report as fulltext.txt in
// the current directory and says where, or that and why it could not. After a Calculate that
// stopped on a message it is refused and no file is written. Returns whether it was saved.
bool SaveFullReportTextFile(Session& session, const MainFormInputs& form, Notifier& notifier);

}  // namespace kestrova
