#pragma once

#include "platform/document_opener.h"

namespace korven {

// Opens documents and links with the platform's own programs. Where a PDF
// viewer that takes a window title is installed, the document is opened in it
// under that title; otherwise the platform's default program opens it.
class DesktopDocumentOpener : public DocumentOpener {
public:
    bool openDocument(const QString& path, const QString& title, QString* why) override;
    bool openLink(const QString& address) override;
};

} // namespace korven
