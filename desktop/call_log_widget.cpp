#include "desktop/call_log_widget.h"

#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>

namespace quintel {

namespace {

// A log line of a call: the caller's name, then what the game writes after it.
const QRegularExpression& callLine() {
    static const QRegularExpression line(QStringLiteral("^(.+)( (?:Call|Fix): [0-9]*)$"));
    return line;
}

} // namespace

CallLogWidget::CallLogWidget(QWidget* parent) : QPlainTextEdit(parent) {
    // A call line is made to fit; what the player types wraps.
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The log grows at the bottom: while its newest line is in view it stays in view, also when
    // the lines are laid out only after the text came.
    QScrollBar* bar = verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this,
            [this, bar](int value) { followsEnd_ = value == bar->maximum(); });
    connect(bar, &QScrollBar::rangeChanged, this, [this, bar](int, int maximum) {
        if (followsEnd_) {
            bar->setValue(maximum);
        }
    });
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!writing_) {
            text_ = wholeText(toPlainText());
            emit edited(text_);
        }
    });
}

void CallLogWidget::setLogText(const QString& text) {
    text_ = text;
    showElided();
    followsEnd_ = true;
    moveCursor(QTextCursor::End);
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void CallLogWidget::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    showElided();
}

void CallLogWidget::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        showElided();
    }
}

void CallLogWidget::showElided() {
    const QFontMetrics metrics(font());
    // The room of a line: the viewport less the document's margins on either side, and a pixel
    // for the cursor.
    const int room = viewport()->width() - 2 * static_cast<int>(document()->documentMargin()) -
                     metrics.horizontalAdvance(QLatin1Char(' '));
    elided_.clear();
    QStringList lines = text_.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        const QRegularExpressionMatch match = callLine().match(line);
        if (!match.hasMatch() || metrics.horizontalAdvance(line) <= room) {
            continue;
        }
        const QString name = match.captured(1);
        const QString shortName = metrics.elidedText(
            name, Qt::ElideRight, std::max(0, room - metrics.horizontalAdvance(match.captured(2))));
        elided_.emplace_back(shortName, name);
        line = shortName + match.captured(2);
    }
    const QString shown = lines.join(QLatin1Char('\n'));
    if (shown == toPlainText()) {
        return;
    }
    // The place in view, and the cursor, are kept where they were when only names change.
    const int scrolled = verticalScrollBar()->value();
    const int cursor = textCursor().position();
    const bool atEnd = cursor == toPlainText().size();
    writing_ = true;
    setPlainText(shown);
    writing_ = false;
    QTextCursor moved(document());
    moved.setPosition(atEnd ? document()->characterCount() - 1
                            : std::min(cursor, document()->characterCount() - 1));
    setTextCursor(moved);
    verticalScrollBar()->setValue(scrolled);
}

QString CallLogWidget::wholeText(const QString& shown) const {
    if (elided_.empty()) {
        return shown;
    }
    // A line the player changed after its name keeps the whole name too.
    QStringList lines = shown.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        for (const auto& [shortName, name] : elided_) {
            if (line.startsWith(shortName + QStringLiteral(" Call: ")) ||
                line.startsWith(shortName + QStringLiteral(" Fix: "))) {
                line.replace(0, shortName.size(), name);
                break;
            }
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace quintel
