#include "link/screens/choice_colours.h"

#include <QAbstractButton>

namespace korven {

void paintCaption(QAbstractButton* option, const QColor& colour) {
    QPalette palette = option->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    option->setPalette(palette);
}

void paintChosen(QAbstractButton* option, bool chosen) {
    paintCaption(option, chosen ? Qt::red : Qt::black);
}

} // namespace korven
