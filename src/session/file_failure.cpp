#include "session/file_failure.h"

#include "platform/file_failure_text.h"
#include "platform/prompter.h"

namespace korven {

bool reportFileFailure(Prompter& prompter, const QString& path, const FileStatus& status) {
    if (status)
        return false;
    prompter.message(fileFailureText(path, status.error), MessageIcon::Critical);
    return true;
}

bool reportFileFailure(Prompter& prompter, const FileStatus& status) {
    return reportFileFailure(prompter, status.path, status);
}

bool readFirstRecord(Prompter& prompter, const QString& path, int recordLength, Record& record) {
    return !reportFileFailure(prompter, path, RecordFile(path, recordLength).read(1, record));
}

bool writeFirstRecord(Prompter& prompter, const QString& path, int recordLength,
                      const Record& record) {
    return !reportFileFailure(prompter, path, RecordFile(path, recordLength).write(1, record));
}

} // namespace korven
