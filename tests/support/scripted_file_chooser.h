#pragma once

#include "platform/file_chooser.h"

#include <QList>
#include <QQueue>

namespace korven::test {

// Answers the file dialogs from a script, then cancels; keeps each request.
class ScriptedFileChooser : public FileChooser {
public:
    void chooseNext(const QString& path) { answers_.enqueue(path); }
    void cancelNext() { answers_.enqueue(std::nullopt); }

    std::optional<QString> chooseOpenFile(const OpenFileRequest& request) override {
        openRequests_.append(request);
        return next();
    }
    std::optional<QString> chooseSaveFile(const SaveFileRequest& request) override {
        saveRequests_.append(request);
        return next();
    }

    const QList<OpenFileRequest>& openRequests() const { return openRequests_; }
    const QList<SaveFileRequest>& saveRequests() const { return saveRequests_; }

private:
    std::optional<QString> next() { return answers_.isEmpty() ? std::nullopt : answers_.dequeue(); }

    QQueue<std::optional<QString>> answers_;
    QList<OpenFileRequest> openRequests_;
    QList<SaveFileRequest> saveRequests_;
};

} // namespace korven::test
