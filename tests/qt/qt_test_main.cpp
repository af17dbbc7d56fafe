#include <QApplication>

#include <gtest/gtest.h>

namespace {

// The headless platform says, for every window shown, which window-manager requests it cannot
// carry out; that is expected without a display and would bury the test output.
void quietHeadlessNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QStringLiteral("This plugin does not support"))) {
        return;
    }
    qt_message_output(type, context, text);
}

} // namespace

int main(int argc, char* argv[]) {
    // The views are tested without a display, also when the test list is read at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(quietHeadlessNotes);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
