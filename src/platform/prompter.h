#pragma once

#include <QString>

namespace korven {

enum class MessageIcon { None, Information, Exclamation, Critical };

// Message boxes and Yes/No questions. Every text the program shows goes
// through here, so tests can read them and answer from a script.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A message with an OK button.
    virtual void message(const QString& text, MessageIcon icon) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool askYesNo(const QString& text, MessageIcon icon, bool noIsDefault = false) = 0;
};

} // namespace korven
