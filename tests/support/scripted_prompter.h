#pragma once

#include "platform/prompter.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

namespace korven::test {

struct ShownPrompt {
    QString text;
    MessageIcon icon;
    bool question;
    bool noIsDefault = false;
};

// Records every message and question and answers the questions from a
// script; when the script runs out, the default answer is given.
class ScriptedPrompter : public Prompter {
public:
    void message(const QString& text, MessageIcon icon) override;
    bool askYesNo(const QString& text, MessageIcon icon, bool noIsDefault = false) override;

    void answerNext(bool yes) { answers_.enqueue(yes); }
    void setDefaultAnswer(bool yes) { defaultAnswer_ = yes; }

    const QList<ShownPrompt>& prompts() const { return prompts_; }
    QStringList texts() const;
    int countOf(const QString& text) const { return static_cast<int>(texts().count(text)); }
    void clear() { prompts_.clear(); }

private:
    QList<ShownPrompt> prompts_;
    QQueue<bool> answers_;
    bool defaultAnswer_ = true;
};

} // namespace korven::test
