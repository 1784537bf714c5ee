#pragma once

#include "platform/document_opener.h"

#include <QList>
#include <QStringList>

namespace korven::test {

// Records the documents the program asks to open; opening a
// document fails with a reason once told to, as when no viewer is installed.
class RecordingDocumentOpener : public DocumentOpener {
public:
    struct OpenedDocument {
        QString path;
        QString title;
    };

    void failWith(const QString& why) { failure_ = why; }

    bool openDocument(const QString& path, const QString& title, QString* why) override {
        if (!failure_.isEmpty()) {
            if (why)
                *why = failure_;
            return false;
        }
        documents_.append({path, title});
        return true;
    }
    bool openLink(const QString&) override { return true; }

    const QList<OpenedDocument>& documents() const { return documents_; }

private:
    QString failure_;
    QList<OpenedDocument> documents_;
};

} // namespace korven::test
