#pragma once

#include "platform/record.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace korven {

// The texts of the system set-up editor's fields for one system channel, as
// the screen shows them and the user types them.
struct SystemChannelFields {
    QString activation;    // "ON " or "OFF"
    QString moduleCode;    // "Codice MR7400"
    QString moduleChannel; // "Numero Canale" under "Corrispondenza Canali"
    QString unit;
    QString mask; // "*****." to "*.****"
    QString description;
    QString treatment; // "Diretto ", "A*x+B  s", "Tab. 0" to "Tab. 30"
    QString gain;
    QString zero;
};

// The choices of the editor's three editable lists, in their order.
QStringList treatmentChoices();
QStringList maskChoices();
QStringList unitChoices();

// Treatment codes: 0 direct, 1 linear scaling "A*x+B", k + 2 linearisation
// table k (0 to 30), shown as "Tab. k". None for another code or text.
std::optional<QString> treatmentText(int code);
std::optional<int> treatmentCode(const QString& text);

// The fields from a system channel record. A treatment or mask index that
// names nothing leaves that field's text as it was.
void showSystemChannel(const Record& record, SystemChannelFields& fields);

// The fields into a system channel record, each cut or blank-padded to its
// width. A treatment or mask text that names nothing keeps the code the record
// held; the fields the screen does not show keep what the record held.
void storeSystemChannel(const SystemChannelFields& fields, Record& record);

} // namespace korven
