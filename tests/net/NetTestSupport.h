#pragma once
#include "base/Time.h"
#include "net/CommunicationEndpoint.h"
#include "support/Eventually.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <string>
#include <vector>

// Collects `wanted` bytes from a non-blocking endpoint, `chunk` bytes at most
// a call, or what arrived before the time-out.
inline std::string receiveAll(ICommunicationEndpoint& endpoint, size_t wanted, unsigned timeoutMs = 2000,
                              unsigned chunk = 65536) {
    std::string received;
    std::vector<char> buffer(chunk);
    uint32_t start = getMilliSecs();
    while (received.size() < wanted && getMilliSecs() - start <= timeoutMs) {
        int count = endpoint.recv(buffer.data(), chunk);
        if (count > 0)
            received.append(buffer.data(), static_cast<size_t>(count));
        else
            delay(1);  // only an empty poll waits
    }
    return received;
}

// A non-blocking descriptor (one end of a socket pair, the device side of a
// pseudo-terminal) as an endpoint: receiving never waits, sending waits until
// everything is written.
class DescriptorEndpoint : public ICommunicationEndpoint {
public:
    explicit DescriptorEndpoint(int handle) : handle(handle) { fcntl(handle, F_SETFL, O_NONBLOCK); }
    ~DescriptorEndpoint() override { ::close(handle); }
    int recv(char* buffer, unsigned length) override {
        ssize_t count = ::read(handle, buffer, length);
        return count < 0 ? 0 : static_cast<int>(count);
    }
    bool send(const char* data, unsigned length) override {
        for (ssize_t sent = 0; length > 0; data += sent, length -= static_cast<unsigned>(sent)) {
            pollfd entry{handle, POLLOUT, 0};
            if (poll(&entry, 1, 2000) != 1 || (sent = ::write(handle, data, length)) <= 0) return false;
        }
        return true;
    }
    int handle;
};
