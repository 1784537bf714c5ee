#include "system_setup/configuration_files.h"

#include "system_setup/side_file_layouts.h"

namespace korven {

namespace {

FileStatus readFirst(const QString& path, int recordLength, Record& record) {
    const RecordFile file(path, recordLength);
    return file.read(1, record).on(file.path());
}

FileStatus writeFirst(const QString& path, int recordLength, const Record& record) {
    const RecordFile file(path, recordLength);
    return file.write(1, record).on(file.path());
}

} // namespace

FileStatus ConfigurationFiles::load() {
    if (FileStatus status = readFirst(identityFilePath(systemFilePath_),
                                      IdentityLayout::recordLength, records_.identity);
        !status)
        return status;
    loggerCount_ = loggerCountOf(records_.identity);

    if (FileStatus status = readFirst(dataDirectoryFilePath(systemFilePath_),
                                      DataDirectoryLayout::recordLength, records_.dataDirectory);
        !status)
        return status;
    dataFileField_ = records_.dataDirectory.text(DataDirectoryLayout::dataFileName);

    if (FileStatus status =
            readFirst(downloadPointerFilePath(systemFilePath_), DownloadPointerLayout::recordLength,
                      records_.downloadPointer);
        !status)
        return status;
    lastBlock_ = records_.downloadPointer.unsignedInteger(DownloadPointerLayout::lastBlock);
    return {};
}

FileStatus ConfigurationFiles::saveIdentity(const QString& loggerCount, const QString& lastBlock) {
    records_.identity.setText(IdentityLayout::typedLastBlock, lastBlock);
    records_.identity.setText(IdentityLayout::loggerCount, loggerCount);
    return writeFirst(identityFilePath(systemFilePath_), IdentityLayout::recordLength,
                      records_.identity);
}

FileStatus ConfigurationFiles::saveDownloadPointer(qint16 lastBlock) {
    records_.dataDirectory.setText(DataDirectoryLayout::dataFileName, dataFileField_);
    if (FileStatus status = writeFirst(dataDirectoryFilePath(systemFilePath_),
                                       DataDirectoryLayout::recordLength, records_.dataDirectory);
        !status)
        return status;
    records_.downloadPointer.setInteger(DownloadPointerLayout::lastBlock, lastBlock);
    return writeFirst(downloadPointerFilePath(systemFilePath_), DownloadPointerLayout::recordLength,
                      records_.downloadPointer);
}

} // namespace korven
