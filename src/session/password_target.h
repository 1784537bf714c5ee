#pragma once

namespace korven {

// The screens behind the password gate, numbered as the gate stores them.
enum class PasswordTarget {
    None = 0,
    ChannelSetup = 1,      // "KORVEN Setup"
    ScanSettings = 2,      // "Scansione e memorizzazione"
    GeneralParameters = 3, // "Parametri Generali"
};

} // namespace korven
