#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace korven::sim {

// The fixed name clients open (KORVEN_COM1=/tmp/korven0, say): a symbolic
// link to the pseudo-terminal's device, whose name changes from run to run.
// Removed again when the simulator ends.
class DeviceLink {
public:
    // Links `path` to `device`. A symbolic link left at `path` by an earlier
    // run is replaced; any other file there is left alone and refused.
    static std::unique_ptr<DeviceLink> create(const QString& path, const QString& device,
                                              QString& error);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

private:
    DeviceLink(QByteArray path, QByteArray device);

    QByteArray path_;
    QByteArray device_;
};

} // namespace korven::sim
