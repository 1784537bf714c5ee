#pragma once

#include <QByteArray>

namespace korven::test {

// A logger identity record (".pas", 250 bytes, blank-filled) for COM 1 at
// 9600 baud with modem settings at their offsets: telephone number at 37
// (19), status flag at 56, initialisation strings at 57, 69, 81 and 93 (12
// each), dialling flag at 105. Written from the layout, not by the program.
struct ModemIdentity {
    QByteArray number = "0123456";
    char status = '0';
    QByteArray inits[4] = {"AT&D0&K0&R1", "AT&C0", "ATX1", ""};
    char dialling = '0';

    QByteArray bytes() const {
        QByteArray record(250, ' ');
        record.replace(35, 2, "02");
        record.replace(37, 19, number.leftJustified(19, ' ', true));
        record[56] = status;
        for (int n = 0; n < 4; ++n)
            record.replace(57 + 12 * n, 12, inits[n].leftJustified(12, ' ', true));
        record[105] = dialling;
        return record;
    }
};

} // namespace korven::test
