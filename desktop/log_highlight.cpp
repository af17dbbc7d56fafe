#include "desktop/log_highlight.h"

#include "desktop/colour_scheme.h"

#include <QColor>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace quintel {

void highlightLastLines(QPlainTextEdit& log, int lines) {
    QList<QTextEdit::ExtraSelection> selections;
    QTextBlock block = log.document()->lastBlock();
    if (block.isValid() && block.text().isEmpty()) {
        block = block.previous();
    }
    for (int line = 0; line < lines && block.isValid(); ++line, block = block.previous()) {
        QTextEdit::ExtraSelection selection;
        selection.cursor = QTextCursor(block);
        selection.format.setBackground(logHighlight(log.palette()));
        selection.format.setProperty(QTextFormat::FullWidthSelection, true);
        selections.push_back(selection);
    }
    log.setExtraSelections(selections);
}

} // namespace quintel
