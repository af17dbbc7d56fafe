#pragma once

class QPlainTextEdit;

namespace quintel {

// Draws the last `lines` lines of a log on a highlighting background (logHighlight of its
// palette), the rest as usual; 0 clears the highlight. A line end closing the text opens no line
// of its own.
void highlightLastLines(QPlainTextEdit& log, int lines);

} // namespace quintel
