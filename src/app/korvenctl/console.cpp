#include "korvenctl/console.h"

#include "korvenctl/stop_signals.h"
#include "link/link_texts.h"

#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#define KORVEN_ISATTY(stream) _isatty(_fileno(stream))
#else
#include <unistd.h>
#define KORVEN_ISATTY(stream) isatty(fileno(stream))
#endif

namespace korven {

namespace {

void printLine(FILE* stream, const QString& text) {
    const bool written = std::fprintf(stream, "%s\n", text.toLocal8Bit().constData()) >= 0;
    if (!(std::fflush(stream) == 0 && written))
        StopSignals::outputFailed();
}

} // namespace

Console::Console() : terminal_(KORVEN_ISATTY(stderr) != 0) {}

Console::~Console() {
    endProgressLine();
}

void Console::progress(const DownloadProgress& progress) {
    if (!terminal_)
        return;
    const auto left = progress.secondsLeft();
    const QString line = QStringLiteral("block %1 of %2, %3 to go, %4 left")
                             .arg(progress.done)
                             .arg(progress.total)
                             .arg(progress.toGo())
                             .arg(left ? durationText(*left) : QStringLiteral("?"));
    // Blanks after the text wipe the rest of a longer line drawn before.
    std::fprintf(stderr, "\r%-60s", line.toLocal8Bit().constData());
    std::fflush(stderr);
    progressShown_ = true;
}

void Console::problem(const QString& text) {
    endProgressLine();
    // A message box breaks its lines at CR; on a terminal a CR sends the
    // cursor back over what was written, so the parts are joined on one line.
    printLine(stderr,
              QStringLiteral("korvenctl: ") + QString(text).replace(u'\r', QStringLiteral(" - ")));
}

void Console::result(const QString& text) {
    endProgressLine();
    printLine(stdout, text);
}

void Console::endProgressLine() {
    if (!progressShown_)
        return;
    std::fputc('\n', stderr);
    progressShown_ = false;
}

void ConsoleReporter::failure(LinkFailure failure) {
    tell(link_texts::failureText(failure));
}

void ConsoleReporter::scanningResumed(int loggerNumber, ResumedLine line) {
    tell(link_texts::scanningResumed(loggerNumber, line));
}

void ConsoleReporter::tell(const QString& text) {
    console_.problem(text);
}

} // namespace korven
