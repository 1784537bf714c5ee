#pragma once

#include "platform/prompter.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <functional>

namespace korven::test {

struct ShownPrompt {
    QString text;
    MessageIcon icon;
    bool question;
    bool noIsDefault = false;
};

// Records every message and question and answers the questions from a
// script; when the script runs out, the default answer is given. A message
// box stays open for as long as the "while shown" action runs: a test lets
// time pass there, as a user who reads slowly does.
class ScriptedPrompter : public Prompter {
public:
    using WhileShown = std::function<void(const ShownPrompt&)>;

    void message(const QString& text, MessageIcon icon) override;
    bool askYesNo(const QString& text, MessageIcon icon, bool noIsDefault = false) override;

    void answerNext(bool yes) { answers_.enqueue(yes); }
    void setDefaultAnswer(bool yes) { defaultAnswer_ = yes; }
    // Runs while each message or question is shown, before it is answered.
    void setWhileShown(WhileShown whileShown) { whileShown_ = std::move(whileShown); }

    const QList<ShownPrompt>& prompts() const { return prompts_; }
    QStringList texts() const;
    int countOf(const QString& text) const { return static_cast<int>(texts().count(text)); }
    void clear() { prompts_.clear(); }

private:
    void show(const ShownPrompt& prompt);

    QList<ShownPrompt> prompts_;
    QQueue<bool> answers_;
    bool defaultAnswer_ = true;
    WhileShown whileShown_;
};

} // namespace korven::test
