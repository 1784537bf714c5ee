#pragma once

#include <QWidget>

namespace korven {

class DocumentOpener;

// "About KORVEN...": the version, what the program is, who makes it, and a
// mail and a web link handed to the platform's own programs.
class AboutBox : public QWidget {
    Q_OBJECT
public:
    explicit AboutBox(DocumentOpener& documents, QWidget* parent = nullptr);
};

} // namespace korven
