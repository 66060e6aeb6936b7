#pragma once
#include "base/Time.h"
#include "net/CommunicationEndpoint.h"
#include "support/Eventually.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>

// Waits until the descriptor has something to read.
inline bool waitReadable(int handle, int timeoutMs = 2000) {
    pollfd entry{handle, POLLIN, 0};
    return poll(&entry, 1, timeoutMs) == 1;
}

// Collects `wanted` bytes from a non-blocking endpoint, or what arrived
// before the time-out.
inline std::string receiveAll(ICommunicationEndpoint& endpoint, size_t wanted, unsigned timeoutMs = 2000) {
    std::string received;
    char buffer[65536];
    uint32_t start = getMilliSecs();
    while (received.size() < wanted && getMilliSecs() - start <= timeoutMs) {
        int count = endpoint.recv(buffer, sizeof(buffer));
        if (count > 0)
            received.append(buffer, static_cast<size_t>(count));
        else
            delay(1);  // only an empty poll waits
    }
    return received;
}

// One end of a Unix stream socket pair as an endpoint; receiving never waits.
class SocketPairEndpoint : public ICommunicationEndpoint {
public:
    explicit SocketPairEndpoint(int handle) : handle(handle) {}
    ~SocketPairEndpoint() override { ::close(handle); }
    int recv(char* buffer, unsigned length) override {
        ssize_t count = ::recv(handle, buffer, length, MSG_DONTWAIT);
        return count < 0 ? 0 : static_cast<int>(count);
    }
    bool send(const char* data, unsigned length) override {
        while (length > 0) {
            ssize_t sent = ::send(handle, data, length, MSG_NOSIGNAL);
            if (sent <= 0) return false;
            data += sent;
            length -= static_cast<unsigned>(sent);
        }
        return true;
    }
    int handle;
};
