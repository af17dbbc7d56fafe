#include "desktop/text_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace quintel {

namespace {

QStyleOptionButton buttonOption(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    if (const auto* push = qobject_cast<const QPushButton*>(&button)) {
        if (push->autoDefault()) {
            option.features |= QStyleOptionButton::AutoDefaultButton;
        }
        if (push->isDefault()) {
            option.features |= QStyleOptionButton::DefaultButton;
        }
        if (push->isFlat()) {
            option.features |= QStyleOptionButton::Flat;
        }
    }
    return option;
}

// Whether `text`, wrapped at the room's width, takes no more than its height.
bool fitsWrapped(const QFont& font, const QString& text, QSize room) {
    const QRect needed = QFontMetrics(font).boundingRect(
        QRect(QPoint(0, 0), QSize(room.width(), 0)), Qt::TextWordWrap, text);
    return needed.height() <= room.height();
}

bool fits(const QFont& font, const QString& text, QSize room) {
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(text) <= room.width() && metrics.height() <= room.height();
}

void setText(QWidget& widget, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        button->setText(text);
    }
}

} // namespace

QRect captionRoom(const QWidget& widget) {
    const QStyle& style = *widget.style();
    if (qobject_cast<const QPushButton*>(&widget) != nullptr) {
        const QStyleOptionButton option = buttonOption(static_cast<const QAbstractButton&>(widget));
        return style.subElementRect(QStyle::SE_PushButtonContents, &option, &widget);
    }
    if (qobject_cast<const QCheckBox*>(&widget) != nullptr) {
        const QStyleOptionButton option = buttonOption(static_cast<const QAbstractButton&>(widget));
        return style.subElementRect(QStyle::SE_CheckBoxContents, &option, &widget);
    }
    if (qobject_cast<const QRadioButton*>(&widget) != nullptr) {
        const QStyleOptionButton option = buttonOption(static_cast<const QAbstractButton&>(widget));
        return style.subElementRect(QStyle::SE_RadioButtonContents, &option, &widget);
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        const int margin = label->margin();
        return label->contentsRect().adjusted(margin, margin, -margin, -margin);
    }
    return widget.contentsRect();
}

int fittingPixelSize(const QFont& font, const QString& text, QSize room) {
    QFont trial = font;
    int size = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
    for (; size > 1; --size) {
        trial.setPixelSize(size);
        if (fits(trial, text, room)) {
            break;
        }
    }
    return size;
}

QString fitCaption(QWidget& widget, const QString& text, const QFont& font, TextFit fit) {
    widget.setFont(font);
    if (fit == TextFit::None) {
        return text;
    }
    setText(widget, text);
    const QSize room = captionRoom(widget).size();
    if (fit == TextFit::Wrap) {
        QFont smaller = font;
        for (int size = font.pixelSize(); size > 1 && !fitsWrapped(smaller, text, room); --size) {
            smaller.setPixelSize(size - 1);
        }
        widget.setFont(smaller);
        return text;
    }
    if (text.isEmpty() || fits(font, text, room)) {
        return text;
    }
    if (fit == TextFit::Elide) {
        const QString elided = QFontMetrics(font).elidedText(text, Qt::ElideRight, room.width());
        setText(widget, elided);
        return elided;
    }
    QFont smaller = font;
    smaller.setPixelSize(fittingPixelSize(font, text, room));
    widget.setFont(smaller);
    return text;
}

} // namespace quintel
