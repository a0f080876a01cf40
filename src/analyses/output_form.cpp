#include "analyses/output_form.hpp"

namespace kestrova {

OutputForm OutputFormFor(int target, int reportDestination) {
    if (target == 0) {
        return OutputForm::Window;
    }
    return reportDestination == 0 ? OutputForm::Printer : OutputForm::TextFile;
}

void WriteEmptyLine(TextSink& sink, OutputForm form) {
    if (form == OutputForm::TextFile) {
        sink.Write(" ");
    }
    sink.EndLine();
}

}  // namespace kestrova
