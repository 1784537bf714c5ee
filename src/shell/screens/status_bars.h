#pragma once

#include "session/status_texts.h"

#include <QWidget>

class QLabel;
class QStatusBar;

namespace korven {

// The main window's three status bars, each a row of sunken panels showing
// the session's status texts: StatusBar1 the port, clock, last block and last
// download; StatusBar2 the set-up files; StatusBar3 the modem connection, shown
// only while one is up.
class StatusBars : public QWidget {
    Q_OBJECT
public:
    explicit StatusBars(StatusTexts& texts, QWidget* parent = nullptr);

private:
    QStatusBar* addBar(const QString& name);
    void show(int panel, const QString& text);

    QLabel* panels_[StatusTexts::PanelCount] = {};
    QStatusBar* modemBar_ = nullptr;
};

} // namespace korven
