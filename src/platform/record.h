#pragma once

#include <QByteArray>
#include <QString>

namespace korven {

// A text field of a fixed-length record: single-byte characters, left-aligned,
// blank-padded on the right and cut to its width when stored.
struct TextField {
    int offset;
    int size;
};

// A 16-bit signed little-endian integer field.
struct IntField {
    int offset;
};

// One fixed-length record held in memory. A reader fills it from a file and a
// writer stores it whole, so fields a writer does not set keep what the last
// read left there.
class Record {
public:
    explicit Record(int length) : bytes_(length, '\0') {}

    int length() const { return static_cast<int>(bytes_.size()); }
    const QByteArray& bytes() const { return bytes_; }

    // Takes the bytes of a record read from a file: a short read is completed
    // with zero bytes, a longer one is cut.
    void setBytes(const QByteArray& bytes);

    // The field exactly as stored, zero bytes and trailing blanks included.
    QString text(TextField field) const;
    // The field with its trailing blanks removed (zero bytes are not blanks).
    QString trimmedText(TextField field) const;
    void setText(TextField field, const QString& value);

    qint16 integer(IntField field) const;
    void setInteger(IntField field, qint16 value);
    // The same two bytes read as a number from 0 to 65535: the same value for
    // anything below 32768.
    quint16 unsignedInteger(IntField field) const { return static_cast<quint16>(integer(field)); }
    void setUnsignedInteger(IntField field, quint16 value) {
        setInteger(field, static_cast<qint16>(value));
    }

private:
    QByteArray bytes_;
};

// Trailing blanks removed, as the program reads its paths and passwords.
QString withoutTrailingBlanks(const QString& text);

} // namespace korven
