#pragma once

#include <QColor>

class QAbstractButton;

namespace korven {

// Draws the option's caption in `colour`.
void paintCaption(QAbstractButton* option, const QColor& colour);

// The chosen option of a group has a red caption, the others black.
void paintChosen(QAbstractButton* option, bool chosen);

} // namespace korven
