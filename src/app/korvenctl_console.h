#pragma once

#include "download/download_progress.h"
#include "platform/prompter.h"

#include <QString>

namespace korven {

// korvenctl's output: results on standard output, everything else on
// standard error. The progress of a download is one line of standard error
// redrawn in place, and only when standard error is a terminal, so logs
// stay clean; any other line first ends it.
class Console {
public:
    Console();
    ~Console();
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    void progress(const DownloadProgress& progress);
    void problem(const QString& text);
    void result(const QString& text);

private:
    void endProgressLine();

    bool terminal_;
    bool progressShown_ = false;
};

// The link's messages, written as problems: nobody is there to answer a
// question, so every question is answered No.
class ConsolePrompter : public Prompter {
public:
    explicit ConsolePrompter(Console& console) : console_(console) {}

    void message(const QString& text, MessageIcon icon) override;
    bool askYesNo(const QString& text, MessageIcon icon, bool noIsDefault = false) override;

private:
    Console& console_;
};

} // namespace korven
