#pragma once

#include "system_setup/system_channel_editor.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace korven {

class ActivationToggle;
struct Session;

// "Setup Sistema": the system set-up file one system channel at a time. The
// screen only shows and takes the texts of the fields; stepping, saving and
// copying are the editor's, printing is the system report's.
class SystemSetupScreen : public QWidget {
    Q_OBJECT
public:
    explicit SystemSetupScreen(Session& session, QWidget* parent = nullptr);

private:
    void buildFields();
    void layOut();
    // Every action starts from what the user typed and ends showing what the
    // editor holds.
    void run(void (SystemChannelEditor::*action)());
    void takeFields();
    void showFields();
    void print();

    Session& session_;
    SystemChannelEditor editor_;

    QLabel* channel_;
    QLineEdit* moduleCode_;
    QLineEdit* moduleChannel_;
    ActivationToggle* activation_;
    QComboBox* unit_;
    QComboBox* mask_;
    QLineEdit* description_;
    QComboBox* treatment_;
    QLineEdit* gain_;
    QLineEdit* zero_;
};

} // namespace korven
