#pragma once

#include <QString>

namespace korven {

// Hands documents and links to the platform's own programs.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;

    // Opens a local document, with a window title where the viewer allows.
    // Returns false with a reason when no program could open it.
    virtual bool openDocument(const QString& path, const QString& title, QString* why) = 0;
    // Opens a "mailto:" or web address.
    virtual bool openLink(const QString& address) = 0;
};

} // namespace korven
