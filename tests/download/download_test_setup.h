#pragma once

#include "support/test_installation.h"

namespace korven::test {

// The download tests' logger set-up, for the download's fuzz target: the
// scanning resumed with acquisition.
inline QByteArray downloadTestPar() {
    return loggerParRecord('1');
}
inline QByteArray downloadTestChannels() {
    return loggerChannelRecords();
}

} // namespace korven::test
