#include "support/scripted_prompter.h"

namespace korven::test {

void ScriptedPrompter::message(const QString& text, MessageIcon icon) {
    prompts_.append({text, icon, false});
}

bool ScriptedPrompter::askYesNo(const QString& text, MessageIcon icon, bool noIsDefault) {
    prompts_.append({text, icon, true, noIsDefault});
    return answers_.isEmpty() ? defaultAnswer_ : answers_.dequeue();
}

QStringList ScriptedPrompter::texts() const {
    QStringList texts;
    for (const ShownPrompt& prompt : prompts_)
        texts.append(prompt.text);
    return texts;
}

} // namespace korven::test
