#pragma once

#include "support/test_installation.h"

namespace korven::test {

// An identity whose logger is called through a modem on COM 1, dialling tones.
struct ModemIdentity : IdentityRecord {
    ModemIdentity() {
        number = "0123456";
        status = '0';
        inits[0] = "AT&D0&K0&R1";
        inits[1] = "AT&C0";
        inits[2] = "ATX1";
        dialling = '0';
    }
};

} // namespace korven::test
