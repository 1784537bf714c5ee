#include "platform/record.h"

#include "platform/windows1252.h"

namespace korven {

void Record::setBytes(const QByteArray& bytes) {
    const int length = this->length();
    bytes_ = bytes.left(length);
    bytes_.append(QByteArray(length - bytes_.size(), '\0'));
}

QString Record::text(TextField field) const {
    return fromWindows1252(bytes_.mid(field.offset, field.size));
}

QString Record::trimmedText(TextField field) const {
    return withoutTrailingBlanks(text(field));
}

void Record::setText(TextField field, const QString& value) {
    QByteArray encoded = toWindows1252(value.left(field.size));
    encoded.append(QByteArray(field.size - encoded.size(), ' '));
    bytes_.replace(field.offset, field.size, encoded);
}

qint16 Record::integer(IntField field) const {
    const auto low = static_cast<unsigned char>(bytes_[field.offset]);
    const auto high = static_cast<unsigned char>(bytes_[field.offset + 1]);
    return static_cast<qint16>(static_cast<quint16>(low | (high << 8)));
}

void Record::setInteger(IntField field, qint16 value) {
    const auto raw = static_cast<quint16>(value);
    bytes_[field.offset] = static_cast<char>(raw & 0xFF);
    bytes_[field.offset + 1] = static_cast<char>(raw >> 8);
}

QString withoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.left(end);
}

} // namespace korven
