#include "link/modem/dialled_port.h"

namespace korven {

PortError DialledPort::open() {
    if (!dialled_) {
        dialled_ = true;
        callError_ = dial_();
    }
    if (callError_)
        return callError_;
    return port_.open();
}

} // namespace korven
