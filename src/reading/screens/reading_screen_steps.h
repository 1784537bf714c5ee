#pragma once

#include "platform/widgets/named_button.h"
#include "reading/reading_job.h"
#include "session/exchange_guard.h"

#include <QColor>
#include <QString>

#include <functional>

class QLabel;
class QWidget;

namespace korven {

struct Session;

QLabel* namedLabel(const QString& name, QWidget* parent);
// A framed box for a value the logger sends.
QLabel* valueBox(const QString& name, QWidget* parent);
void paintText(QLabel* label, const QColor& colour);

// Reads the job's channel tables; a file that cannot be read is told, and
// the screen goes on with what could be read.
void readSetupTelling(Session& session, ReadingJob& job);

// What both reading screens do with their job around the reading itself:
// wake the logger and read, each through the screen's exchange guard, and
// leave, stopping a reading under way first.
class ScreenLink {
public:
    // `screen` is the reading screen, named to a user whose action it is in
    // the way of.
    ScreenLink(Session& session, ReadingJob& job, const QWidget& screen);

    enum class Wake { Awake, Busy, Failed };
    // Wakes the logger. Busy: another conversation holds the line and
    // nothing happened. Failed: the user has been told, and the screen goes.
    Wake wake();
    // Runs `reading`; true when the screen goes once it has ended: a failure
    // was told, or the screen was closed meanwhile.
    bool read(const std::function<ReadingEnd()>& reading);
    bool talking() const { return guard_.running(); }

    // For the screen's close: false while a reading under way is stopped
    // first (the screen closes once it has ended), while another
    // conversation holds the line, or while the screen is being left. Else a
    // logger the job woke goes back into scanning (`beforeResume` runs
    // first) and the link forgets the screen.
    bool mayClose(const std::function<void()>& beforeResume = {});

private:
    Session& session_;
    ReadingJob& job_;
    ExchangeGuard guard_;
    std::function<void()> beforeResume_;
};

} // namespace korven
