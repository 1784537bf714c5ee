#pragma once

class QAbstractButton;

namespace korven {

// The chosen option of a group has a red caption, the others black.
void paintChosen(QAbstractButton* option, bool chosen);

} // namespace korven
