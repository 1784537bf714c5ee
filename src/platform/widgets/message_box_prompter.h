#pragma once

#include "platform/prompter.h"

class QWidget;

namespace korven {

// Prompts as message boxes over the main window, with the icon asked for; a
// "\r" in a text starts a new line.
class MessageBoxPrompter : public Prompter {
public:
    void setParentWindow(QWidget* window) { parent_ = window; }

    void message(const QString& text, MessageIcon icon) override;
    bool askYesNo(const QString& text, MessageIcon icon, bool noIsDefault = false) override;

private:
    QWidget* parent_ = nullptr;
};

} // namespace korven
