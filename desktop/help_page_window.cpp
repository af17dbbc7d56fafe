#include "desktop/help_page_window.h"

#include "desktop/hand_widget.h"

#include <QFormLayout>
#include <QKeySequence>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace quintel {

namespace {

QLabel* textLabel(const std::string& text, QWidget* parent) {
    auto* label = new QLabel(QString::fromStdString(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel* heading(const std::string& text, qreal scale, QWidget* parent) {
    QLabel* label = textLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    label->setFont(font);
    return label;
}

} // namespace

HelpPageWindow::HelpPageWindow(const HelpPage& page, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setWindowTitle(QString::fromStdString(page.title));
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll);
    auto* column = new QVBoxLayout(content);
    column->addWidget(heading(page.title, 1.4, content));
    for (const HelpSection& section : page.sections) {
        column->addSpacing(8);
        column->addWidget(heading(section.title, 1.1, content));
        for (const std::string& paragraph : section.paragraphs) {
            column->addWidget(textLabel(paragraph, content));
        }
        if (!section.examples.empty()) {
            auto* examples = new QFormLayout();
            examples->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            examples->setFormAlignment(Qt::AlignLeft | Qt::AlignTop);
            for (const ExampleHand& example : section.examples) {
                examples->addRow(new HandWidget(example.dice, content),
                                 textLabel(example.caption, content));
            }
            column->addLayout(examples);
        }
    }
    column->addStretch();
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    // As tall as the page, up to a height that leaves the game in view; longer pages scroll.
    constexpr int kWidth = 480;
    constexpr int kMostHeight = 560;
    const int pageHeight =
        column->totalHeightForWidth(kWidth - scroll->verticalScrollBar()->sizeHint().width());
    resize(kWidth, std::clamp(pageHeight, 120, kMostHeight));

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

} // namespace quintel
