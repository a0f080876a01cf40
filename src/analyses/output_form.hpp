#pragma once

#include "model/text_sink.hpp"

namespace kestrova {

// The three places a table or report is written to. They differ only in their empty lines: the
// window and the printer leave them empty, the report's text file puts one blank on each.
enum class OutputForm { Window, Printer, TextFile };

// The form of an analysis written to `target`: 0 is its own window; any other target is the full
// report's destination, reportDestination (0 the printer, any other value the text file).
OutputForm OutputFormFor(int target, int reportDestination);

// Ends an empty line in the given form.
void WriteEmptyLine(TextSink& sink, OutputForm form);

}  // namespace kestrova
