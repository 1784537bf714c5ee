#pragma once

#include <QString>

#include <memory>

namespace korven::sim {

// SIGINT and SIGTERM turned into a readable descriptor, so the serving loop
// notices them in the same poll() that waits for the client, and can end in
// an orderly way (link removed, exit code 0).
class StopSignals {
public:
    // Installs the handlers; nothing when the system refuses.
    static std::unique_ptr<StopSignals> install(QString& error);
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // Becomes readable once a stop signal has arrived.
    int descriptor() const { return readEnd_; }

private:
    StopSignals(int readEnd, int writeEnd);

    int readEnd_;
    int writeEnd_;
};

} // namespace korven::sim
