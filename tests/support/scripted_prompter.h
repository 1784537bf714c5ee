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
// script, then with Yes. A message box stays open while the
// "while shown" action runs: a test lets time pass there, as a slow reader.
class ScriptedPrompter : public Prompter {
public:
    using WhileShown = std::function<void(const ShownPrompt&)>;

    void message(const QString& text, MessageIcon icon) override { show({text, icon, false}); }
    bool askYesNo(const QString& text, MessageIcon icon, bool noIsDefault = false) override {
        show({text, icon, true, noIsDefault});
        return answers_.isEmpty() || answers_.dequeue();
    }

    void answerNext(bool yes) { answers_.enqueue(yes); }
    void setWhileShown(WhileShown whileShown) { whileShown_ = std::move(whileShown); }

    const QList<ShownPrompt>& prompts() const { return prompts_; }
    QStringList texts() const {
        QStringList texts;
        for (const ShownPrompt& prompt : prompts_)
            texts.append(prompt.text);
        return texts;
    }
    int countOf(const QString& text) const { return static_cast<int>(texts().count(text)); }
    void clear() { prompts_.clear(); }

private:
    void show(const ShownPrompt& prompt) {
        prompts_.append(prompt);
        if (whileShown_)
            whileShown_(prompt);
    }

    QList<ShownPrompt> prompts_;
    QQueue<bool> answers_;
    WhileShown whileShown_;
};

} // namespace korven::test
