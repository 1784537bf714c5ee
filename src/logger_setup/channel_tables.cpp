#include "logger_setup/channel_tables.h"

#include <QStringList>

namespace korven {
namespace {

const QStringList kMasks = {QStringLiteral("*****."), QStringLiteral("****.*"),
                            QStringLiteral("***.**"), QStringLiteral("**.***"),
                            QStringLiteral("*.****")};

const QString kInputTypeCodes = QStringLiteral("0123456789ABC");
const QStringList kInputTypes = {QStringLiteral("20mV"),
                                 QStringLiteral("20mV Diff Rif int"),
                                 QStringLiteral("20mV Diff Rif est"),
                                 QStringLiteral("200mV"),
                                 QStringLiteral("200mV Diff Rif int"),
                                 QStringLiteral("200mV Diff Rif est"),
                                 QStringLiteral("2V"),
                                 QStringLiteral("2V Diff Rif int"),
                                 QStringLiteral("2V Diff Rif est"),
                                 QStringLiteral("20V"),
                                 QStringLiteral("0-20mA"),
                                 QStringLiteral("4-20mA"),
                                 QStringLiteral("Pt100")};

const QStringList kSupplies = {QStringLiteral("----"), QStringLiteral("1 mA"),
                               QStringLiteral("2V r"), QStringLiteral(" 5 V"),
                               QStringLiteral("24 V")};

const QString kUnitCodes = QStringLiteral("01234567");
const QStringList kUnits = {QStringLiteral("V"),  QStringLiteral("mV"), QStringLiteral("mA"),
                            QStringLiteral("mm"), QStringLiteral("°C"), QStringLiteral("R.J."),
                            QStringLiteral("T"),  QStringLiteral("---")};

std::optional<QString> entryAt(const QStringList& table, int index) {
    if (index < 0 || index >= table.size())
        return std::nullopt;
    return table[index];
}

std::optional<int> indexOf(const QStringList& table, const QString& text) {
    const qsizetype index = table.indexOf(text);
    if (index < 0)
        return std::nullopt;
    return static_cast<int>(index);
}

// The index of a one-character code in its list of codes.
int codeIndex(const QString& codes, const QString& code) {
    return code.size() == 1 ? static_cast<int>(codes.indexOf(code[0])) : -1;
}

// The one-character code of `text`, found in `table`, from its list of codes.
std::optional<QString> codeOf(const QStringList& table, const QString& codes, const QString& text) {
    const std::optional<int> index = indexOf(table, text);
    if (!index)
        return std::nullopt;
    return QString(codes[*index]);
}

} // namespace

std::optional<QString> maskText(int decimals) {
    return entryAt(kMasks, decimals);
}
std::optional<int> maskDecimals(const QString& mask) {
    return indexOf(kMasks, mask);
}

std::optional<QString> inputTypeText(const QString& code) {
    return entryAt(kInputTypes, codeIndex(kInputTypeCodes, code));
}

std::optional<QString> inputTypeCode(const QString& text) {
    return codeOf(kInputTypes, kInputTypeCodes, text);
}

std::optional<QString> supplyText(int code) {
    return entryAt(kSupplies, code);
}
std::optional<int> supplyCode(const QString& text) {
    return indexOf(kSupplies, text);
}

std::optional<QString> unitText(const QString& code) {
    return entryAt(kUnits, codeIndex(kUnitCodes, code));
}

std::optional<QString> unitCode(const QString& text) {
    return codeOf(kUnits, kUnitCodes, text);
}

} // namespace korven
