#include "desktop/hand_widget.h"

#include "desktop/die_face_widget.h"

#include <QHBoxLayout>

namespace quintel {

namespace {

// Die faces of example hands: large enough to count the pips, small beside the text.
constexpr int kExampleDieSide = 22;

} // namespace

HandWidget::HandWidget(const std::string& dice, QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(kExampleDieSide / 5);
    for (const char digit : dice) {
        const int face = digit - '0';
        if (face < 1 || face > 6) {
            continue;
        }
        faces_.append(face);
        auto* die = new DieFaceWidget(face, this);
        die->setFixedSize(kExampleDieSide, kExampleDieSide);
        row->addWidget(die);
    }
    row->addStretch();
    setAccessibleName(QString::fromStdString(dice));
    setToolTip(QString::fromStdString(dice));
}

} // namespace quintel
