#include "link/screens/choice_colours.h"

#include <QAbstractButton>

namespace korven {

void paintChosen(QAbstractButton* option, bool chosen) {
    QPalette palette = option->palette();
    palette.setColor(QPalette::WindowText, chosen ? Qt::red : Qt::black);
    palette.setColor(QPalette::ButtonText, chosen ? Qt::red : Qt::black);
    option->setPalette(palette);
}

} // namespace korven
