#include "support/scripted_prompter.h"

namespace korven::test {

void ScriptedPrompter::message(const QString& text, MessageIcon icon) {
    show({text, icon, false});
}

bool ScriptedPrompter::askYesNo(const QString& text, MessageIcon icon, bool noIsDefault) {
    show({text, icon, true, noIsDefault});
    return answers_.isEmpty() ? defaultAnswer_ : answers_.dequeue();
}

void ScriptedPrompter::show(const ShownPrompt& prompt) {
    prompts_.append(prompt);
    if (whileShown_)
        whileShown_(prompt);
}

QStringList ScriptedPrompter::texts() const {
    QStringList texts;
    for (const ShownPrompt& prompt : prompts_)
        texts.append(prompt.text);
    return texts;
}

} // namespace korven::test
