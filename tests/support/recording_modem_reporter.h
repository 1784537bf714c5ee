#pragma once

#include "link/modem/modem_reporter.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace korven::test {

// Records what the modem procedures report; answers from a script, then Yes.
struct RecordingModemReporter : ModemReporter {
    void openWait() override {
        waitOpen = true;
        ++waitsOpened;
    }
    void waitStatus(const QString& text) override {
        if (statuses.isEmpty() || statuses.last() != text)
            statuses.append(text);
        if (onStatus)
            onStatus(text);
    }
    void offerStop(bool offered) override { stopOffered = offered; }
    void closeWait() override { waitOpen = false; }
    void busy(bool busy) override { hourglass = busy; }

    bool ask(ModemQuestion, const QString& text) override {
        asked.append(text);
        return answers.isEmpty() || answers.takeFirst();
    }
    void tell(ModemNotice, const QString& text) override { told.append(text); }
    void lineHeld(bool held) override { heldChanges.append(held); }

    QList<bool> answers; // taken from the front
    std::function<void(const QString&)> onStatus;

    bool waitOpen = false;
    int waitsOpened = 0;
    bool stopOffered = false;
    bool hourglass = false;
    QStringList statuses; // each change of the status text
    QStringList asked;
    QStringList told;
    QList<bool> heldChanges;
};

} // namespace korven::test
