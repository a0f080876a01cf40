#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include "model/calculate.hpp"
#include "model/main_form_inputs.hpp"
#include "model/model_state.hpp"
#include "model/notifier.hpp"
#include "model/text_sink.hpp"

namespace kestrova::testing {

// The state the main window holds after its start-up and one "Calculate" on `form`.
inline ModelState CalculatedState(MainFormInputs& form) {
    ModelState state;
    ApplyStartUpValues(state);
    state.agecomp = form.agecomp;
    LineBuffer picture;
    RecordingNotifier ignored;
    Calculate(state, form, picture, ignored);
    return state;
}

// The first bytes of a file ("%PDF-" for a PDF document).
inline QByteArray FileStart(const QString& path, int count) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.read(count);
}

}  // namespace kestrova::testing
