#include "fuzz_input.h"

#include "platform/record.h"
#include "platform/windows1252.h"

using namespace korven;
using korven::fuzz::FuzzInput;
using korven::fuzz::require;

namespace {

// Any byte a set-up file holds decodes to one character and encodes back to
// itself, so a field read and written again is unchanged.
void checkCodePage(const QByteArray& bytes) {
    const QString text = fromWindows1252(bytes);
    require(text.size() == bytes.size(), "one character per byte");
    require(toWindows1252(text) == bytes, "every byte comes back as it was");
}

// Whatever the user types, a field takes one byte per character and never
// spills into its neighbours.
void checkTextField(Record record, TextField field, const QString& value) {
    const QByteArray before = record.bytes();
    record.setText(field, value);
    const QByteArray after = record.bytes();
    require(after.size() == before.size(), "the record keeps its length");
    require(after.first(field.offset) == before.first(field.offset) &&
                after.sliced(field.offset + field.size) == before.sliced(field.offset + field.size),
            "the bytes around the field are untouched");
    const QString stored = record.text(field);
    require(stored.size() == field.size, "the field keeps its width");
    const QString kept = value.left(field.size);
    require(stored.startsWith(fromWindows1252(toWindows1252(kept))) &&
                withoutTrailingBlanks(stored.mid(kept.size())).isEmpty(),
            "the text as the code page holds it, padded with blanks");
    require(record.trimmedText(field) == withoutTrailingBlanks(stored), "trimmed as read");
}

void checkIntegerField(Record record, IntField field, qint16 value) {
    const QByteArray before = record.bytes();
    record.setInteger(field, value);
    require(record.integer(field) == value, "an integer reads back");
    require(record.bytes().first(field.offset) == before.first(field.offset) &&
                record.bytes().sliced(field.offset + 2) == before.sliced(field.offset + 2),
            "the bytes around the integer are untouched");
}

} // namespace

// The input: the record's length, a field's place and width, an integer, the
// bytes read from a file, and the text the user types (Latin-1 or UTF-16).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const int length = input.byte() % 200 + 2;
    const int offset = input.byte() % length;
    const int width = input.byte() % (length - offset) + 1;
    const auto integer = static_cast<qint16>(input.word());
    const quint8 shape = input.byte();
    const QByteArray read = input.bytes(input.byte() * 2);
    const QString typed = input.textRest(shape & 1);

    checkCodePage(read);
    Record record(length);
    record.setBytes(read);
    require(record.bytes().size() == length && record.bytes().startsWith(read.left(length)) &&
                record.bytes().sliced(std::min<qsizetype>(read.size(), length)).count('\0') ==
                    length - std::min<qsizetype>(read.size(), length),
            "a read is cut or completed with zero bytes to the record's length");
    checkTextField(record, {offset, width}, typed);
    checkIntegerField(record, {std::min(offset, length - 2)}, integer);

    const QString trimmed = withoutTrailingBlanks(typed);
    require(typed.startsWith(trimmed) && !trimmed.endsWith(u' ') &&
                withoutTrailingBlanks(typed.mid(trimmed.size())).isEmpty(),
            "only trailing blanks go");
    return 0;
}
