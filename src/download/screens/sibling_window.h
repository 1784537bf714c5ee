#pragma once

class QWidget;

namespace korven {

// Shows `screen` where `beside` is shown: inside the main window's workspace
// when `beside` lives there, else as a window of its own. Either way the
// screen is deleted once closed.
void showBeside(QWidget* beside, QWidget* screen);

} // namespace korven
