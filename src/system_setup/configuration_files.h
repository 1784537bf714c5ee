#pragma once

#include "platform/record_file.h"
#include "system_setup/system_setup_files.h"

#include <QString>

#include <optional>

namespace korven {

// What "Configurazione" keeps in the side files of a system set-up: "Nr.
// Logger" and the typed last block in the identity record, the last block
// downloaded in the download pointer. The data directory record is written
// back as it was read. Everything goes through the installation's shared
// records, so the fields the screen does not show keep what they hold.
class ConfigurationFiles {
public:
    ConfigurationFiles(const QString& systemFilePath, SystemSetupRecords& records)
        : systemFilePath_(systemFilePath), records_(records) {}

    // Reads the identity, data directory and download pointer records, in that
    // order, up to the first that fails; the failure names its file.
    FileStatus load();
    // What load() could read: the logger count once the identity was read, the
    // last block once all three were.
    std::optional<int> loggerCount() const { return loggerCount_; }
    std::optional<quint16> lastBlock() const { return lastBlock_; }

    // Stores the two texts as typed into the identity record and writes it.
    FileStatus saveIdentity(const QString& loggerCount, const QString& lastBlock);
    // Writes the data directory record back as read, then the last block into
    // the download pointer. Nothing is written after a failure.
    FileStatus saveDownloadPointer(qint16 lastBlock);

private:
    QString systemFilePath_;
    SystemSetupRecords& records_;
    std::optional<int> loggerCount_;
    std::optional<quint16> lastBlock_;
    // Written back as read, trailing blanks included.
    QString dataFileField_;
};

} // namespace korven
