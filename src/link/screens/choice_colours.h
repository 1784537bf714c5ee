#pragma once

#include <QColor>
#include <QList>
#include <QStringList>

#include <functional>

class QAbstractButton;
class QGroupBox;
class QRadioButton;

namespace korven {

// Draws the option's caption in `colour`.
void paintCaption(QAbstractButton* option, const QColor& colour);

// The chosen option of a group has a red caption, the others black.
void paintChosen(QAbstractButton* option, bool chosen);

// Fills `group` with one option per caption, named after the group as
// "Tipocom1_0", "Tipocom1_1"..., all black. Choosing one paints it red, the
// one chosen before black, and tells `chosen` its index.
QList<QRadioButton*> addChoices(QGroupBox* group, const QStringList& captions,
                                const std::function<void(int index)>& chosen);

} // namespace korven
