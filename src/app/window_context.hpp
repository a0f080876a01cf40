#pragma once

#include <filesystem>
#include <functional>

#include "model/copied_race_rows.hpp"
#include "model/main_form_inputs.hpp"
#include "model/model_state.hpp"
#include "model/notifier.hpp"

class QWidget;

namespace kestrova {
class Dialogs;
class Session;
class SessionSignals;
}  // namespace kestrova

namespace kestrova {

// What a secondary window gets from the main window instead of the main window itself: the
// program's state, its message boxes, the main window's inputs and the two things a secondary
// window may ask of it.
struct WindowContext {
    ModelState& state;
    Notifier& notifier;
    // The main window: secondary windows are its children (top-level windows of their own) and
    // open beside it.
    QWidget* owner = nullptr;
    // The main window's controls as plain data, read at the moment of the call.
    std::function<MainFormInputs()> formInputs;
    // "Calculate" as the main window's button runs it (its table, messages and control states).
    std::function<void()> rerunCalculate;
    // Fills race row `row` (0-4) of the main window with these contents.
    std::function<void(int row, const RaceRowInputs& contents)> setRaceRow;
    // Which race rows hold races copied in from a file this run; whatever fills a row through
    // setRaceRow remembers its copy here and asks before it replaces a typed race.
    CopiedRaceRows& copiedRows;
    // The session's changes, which the output windows follow (redrawing from the session).
    SessionSignals* changes = nullptr;
    // The print dialog and file choosers (Qt's own when none is given).
    Dialogs* dialogs = nullptr;
    // The program's session, which keeps what a window remembers while it is closed (the race
    // file of the file access window). Without one, such a window keeps it only while open.
    Session* session = nullptr;
    // Puts a whole runner into the main window: the name, the profile, the comparison level, the
    // fit and the five race rows of `runner`; the output units stay as they are.
    std::function<void(const MainFormInputs& runner)> setRunner;
    // The image library that paints image files (the graph's "Save Image"); without one, saving
    // an image says that it is missing.
    std::filesystem::path imageModule;
};

// The same context with its messages going to `notifier`: a secondary window's own, which shows
// them over that window.
inline WindowContext WithNotifier(const WindowContext& context, Notifier& notifier) {
    return WindowContext{
        context.state,          notifier,           context.owner,      context.formInputs,
        context.rerunCalculate, context.setRaceRow, context.copiedRows, context.changes,
        context.dialogs,        context.session,    context.setRunner,  context.imageModule};
}

}  // namespace kestrova
