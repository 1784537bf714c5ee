#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace korven::sim {

// The simulator's end of the serial line: the master side of a
// pseudo-terminal. The slave side stays open here as well, for two reasons:
// while any descriptor on it is open the master never reports a hang-up when
// the client closes the port and opens it again, and the line settings the
// client chose (its speed) can be read from it.
class PseudoTerminal {
public:
    // A new pseudo-terminal already in raw mode, so that no byte is ever
    // echoed or translated; nothing when the system refuses, with `error`
    // saying why.
    static std::unique_ptr<PseudoTerminal> open(QString& error);
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // The slave device a client opens, e.g. /dev/pts/3.
    QString devicePath() const { return devicePath_; }
    // The master descriptor, non-blocking, to poll on.
    int descriptor() const { return master_; }

    // Whatever the client has sent; empty when nothing is waiting.
    QByteArray readAvailable();
    // Writes what fits now; returns how many bytes went, or -1 on failure.
    qsizetype write(const QByteArray& bytes);
    // The output speed the client set, in baud; 0 when it is not a standard one.
    int lineSpeed() const;

private:
    PseudoTerminal(int master, int slave, QString devicePath);

    int master_;
    int slave_;
    QString devicePath_;
};

} // namespace korven::sim
