#pragma once

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace korven {

// Puts `screen` into a frame of the workspace `area` and shows it in front,
// active. A screen that closes itself (its own "Uscita") takes its frame with
// it, so no empty frame is left behind; the frame deletes the screen as it
// goes. The frame is wide enough for its whole title, and grows when the
// screen comes to need more room than it opened with.
QMdiSubWindow* showInFrame(QMdiArea& area, QWidget* screen);

// Shows `screen` where `beside` is shown: in a frame of the same workspace
// when `beside` lives in one, else as a window of its own. Either way the
// screen is deleted once closed.
void showBeside(QWidget* beside, QWidget* screen);

} // namespace korven
