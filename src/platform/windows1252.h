#pragma once

#include <QByteArray>
#include <QString>

// The set-up files are written in the Windows-1252 code page, one byte per
// character. Every byte value decodes to one character and encodes back to the
// same byte, so a field read from a file is written back unchanged.
namespace korven {

QString fromWindows1252(const QByteArray& bytes);

// Characters outside the code page become '?'.
QByteArray toWindows1252(const QString& text);

} // namespace korven
