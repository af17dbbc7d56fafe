#include "desktop/call_log_widget.h"

#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace quintel {
namespace {

const QString kLongName = QStringLiteral("Maximiliane-Alexandrina von Hohenberg-Ebersdorf");

// How many lines of the log the text takes as drawn.
int drawnLines(const CallLogWidget& log) {
    int lines = 0;
    for (QTextBlock block = log.document()->begin(); block.isValid(); block = block.next()) {
        lines += block.layout()->lineCount();
    }
    return lines;
}

TEST(CallLogWidget, ShowsALongNameCutShortOnOneLineAndKeepsTheWholeText) {
    CallLogWidget log;
    log.resize(145, 81); // the call log at the design size
    log.show();
    const QString text = kLongName + " Call: 66\nAI Call: 1133\n" + kLongName + " Call: 11133\n";
    log.setLogText(text);
    EXPECT_EQ(log.logText(), text);
    const QStringList shown = log.toPlainText().split('\n');
    ASSERT_EQ(shown.size(), 4);
    EXPECT_TRUE(shown[0].endsWith(QString::fromUtf8("… Call: 66"))) << shown[0].toStdString();
    EXPECT_EQ(shown[1], "AI Call: 1133") << "a short name stays whole";
    EXPECT_TRUE(shown[2].endsWith(QString::fromUtf8("… Call: 11133")));
    EXPECT_EQ(drawnLines(log), 4) << "each call on one line, and the empty line after them";

    // Wider, the name is cut less; wide enough, not at all.
    log.resize(290, 81);
    const QString wider = log.toPlainText().split('\n')[0];
    EXPECT_GT(wider.size(), shown[0].size());
    log.resize(900, 81);
    EXPECT_EQ(log.toPlainText(), text);
}

TEST(CallLogWidget, TypingHandsOnTheTextWithTheWholeNames) {
    CallLogWidget log;
    log.resize(145, 81);
    log.show();
    log.setLogText(kLongName + " Fix: 66\n");
    QStringList edits;
    QObject::connect(&log, &CallLogWidget::edited, [&](const QString& text) { edits << text; });
    log.moveCursor(QTextCursor::End);
    QTest::keyClicks(&log, "ok");
    ASSERT_EQ(edits.size(), 2);
    EXPECT_EQ(edits.last(), kLongName + " Fix: 66\nok");
    // A change within the cut line itself keeps the name too.
    log.moveCursor(QTextCursor::Start);
    log.moveCursor(QTextCursor::EndOfLine);
    QTest::keyClicks(&log, "5");
    EXPECT_EQ(edits.last(), kLongName + " Fix: 665\nok");
    EXPECT_EQ(log.logText(), edits.last());
}

} // namespace
} // namespace quintel
