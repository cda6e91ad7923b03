#include "serial/LineStream.h"

#include "serial/ComPortError.h"
#include "serial/NetworkLine.h"
#include "serial/PortNames.h"
#include "serial/SerialLine.h"

#include <cerrno>

std::unique_ptr<LineStream> openLineStream(const QString& port, int baud) {
    if (isNetworkPort(port)) {
        const std::optional<NetworkAddress> address = networkAddress(port);
        if (!address)
            throw ComPortError(CE_OpenFailed, EINVAL, port + QStringLiteral(": not an address tcp://HOST:PORT"));
        return std::make_unique<NetworkLine>(port, address->host, address->port);
    }
    return std::make_unique<SerialLine>(portDevicePath(port), baud);
}
