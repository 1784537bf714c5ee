#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace korven {

// A push button with its caption, found by its object name (the tests drive
// screens by these names).
QPushButton* namedButton(const QString& name, const QString& caption, QWidget* parent);

} // namespace korven
