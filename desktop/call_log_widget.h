#pragma once

#include <QPlainTextEdit>
#include <QString>

#include <utility>
#include <vector>

namespace quintel {

// A log of the table: one line per call, "NAME Call: DIGITS" or "NAME Fix: DIGITS". A name too
// long for the log is shown cut short with "…", so that every call stays on one line and the two
// logs keep line for line beside each other; the log's text, as the screen keeps it and the
// history file receives it, keeps the whole name. The player may type into the log: the text
// handed on with `edited` has the whole names back.
class CallLogWidget : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CallLogWidget(QWidget* parent = nullptr);

    // The whole text, lines ending in a bare line feed; the newest line is brought into view.
    void setLogText(const QString& text);
    const QString& logText() const { return text_; }

signals:
    // The player changed the text; `text` is the whole text with the whole names.
    void edited(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Writes the shown text again from the whole one, cutting names to the log's present width.
    void showElided();
    QString wholeText(const QString& shown) const;

    QString text_;
    // The names shown cut short, each with its whole form.
    std::vector<std::pair<QString, QString>> elided_;
    bool writing_ = false;
    bool followsEnd_ = true;
};

} // namespace quintel
