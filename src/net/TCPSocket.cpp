#include "net/TCPSocket.h"

#include "net/SocketError.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Waits for the descriptor to become readable/writable. 1: ready, 0: timed
// out, -1: error (errno set).
int waitForDescriptor(int handle, short events, int timeoutMs) {
    pollfd entry{handle, events, 0};
    for (;;) {
        int result = poll(&entry, 1, timeoutMs < 0 ? -1 : timeoutMs);
        if (result >= 0 || errno != EINTR) return result;
    }
}

bool setNonBlocking(int handle, bool enabled) {
    int flags = fcntl(handle, F_GETFL);
    if (flags < 0) return false;
    flags = enabled ? (flags | O_NONBLOCK) : (flags & ~O_NONBLOCK);
    return fcntl(handle, F_SETFL, flags) == 0;
}

// Starts a non-blocking connect and waits for it; returns 0 or the errno.
int connectWithTimeout(int handle, const sockaddr_storage& address, socklen_t length, int timeoutMs) {
    if (!setNonBlocking(handle, true)) return errno;
    int error = 0;
    if (::connect(handle, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        error = errno;
        if (error == EINPROGRESS) {
            int ready = waitForDescriptor(handle, POLLOUT, timeoutMs);
            if (ready == 0) {
                error = ETIMEDOUT;
            } else if (ready < 0) {
                error = errno;
            } else {
                socklen_t errorLength = sizeof(error);
                if (getsockopt(handle, SOL_SOCKET, SO_ERROR, &error, &errorLength) != 0) error = errno;
            }
        }
    }
    setNonBlocking(handle, false);
    return error;
}

}  // namespace

template <class FamilySocket, class Self>
TCPSocketOf<FamilySocket, Self>::TCPSocketOf() : FamilySocket(SOCK_STREAM) {
    this->reopen();
}

template <class FamilySocket, class Self>
TCPSocketOf<FamilySocket, Self>::TCPSocketOf(int port) : TCPSocketOf() {
    this->bind(port, false);
}

template <class FamilySocket, class Self>
TCPSocketOf<FamilySocket, Self>::TCPSocketOf(int acceptedHandle, std::unique_ptr<IIPAddress> acceptedPeer)
    : FamilySocket(SOCK_STREAM), peer(std::move(acceptedPeer)) {
    this->socketHandle = acceptedHandle;
}

template <class FamilySocket, class Self>
bool TCPSocketOf<FamilySocket, Self>::listen(int newBacklog) {
    if (::listen(this->socketHandle, newBacklog) != 0) {
        reportSocketError(errno);
        return false;
    }
    backlog = newBacklog;
    connectTimeoutMs = -1;
    if (this->boundPort < 0) {
        // Listening without bind takes an ephemeral port; remember it for restore().
        sockaddr_storage address;
        socklen_t length = sizeof(address);
        getsockname(this->socketHandle, reinterpret_cast<sockaddr*>(&address), &length);
        if (auto bound = IIPAddress::fromSockAddr(reinterpret_cast<sockaddr*>(&address)))
            this->boundPort = bound->getPort();
    }
    return true;
}

template <class FamilySocket, class Self>
std::unique_ptr<Self> TCPSocketOf<FamilySocket, Self>::accept(int timeoutMs, std::unique_ptr<IIPAddress>* peerOut) {
    int ready = waitForDescriptor(this->socketHandle, POLLIN, timeoutMs);
    if (ready <= 0) {
        if (ready < 0) reportSocketError(errno);
        return nullptr;
    }
    sockaddr_storage address;
    socklen_t length = sizeof(address);
    // Non-blocking, so a connection that vanished between poll and accept
    // cannot hang the caller.
    int handle = accept4(this->socketHandle, reinterpret_cast<sockaddr*>(&address), &length,
                         SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (handle < 0) {
        if (errno != EAGAIN && errno != EWOULDBLOCK) reportSocketError(errno);
        return nullptr;
    }
    setNonBlocking(handle, false);
    auto acceptedPeer = IIPAddress::fromSockAddr(reinterpret_cast<sockaddr*>(&address));
    if (peerOut != nullptr) *peerOut = acceptedPeer ? acceptedPeer->createNewCopy() : nullptr;
    return std::make_unique<Self>(handle, std::move(acceptedPeer));
}

template <class FamilySocket, class Self>
bool TCPSocketOf<FamilySocket, Self>::connect(const IIPAddress& address, int timeoutMs) {
    // An unparsed address reads as 0.0.0.0, which Linux would quietly take
    // for this host.
    if (!address.isValid()) return false;
    peer = address.createNewCopy();
    connectTimeoutMs = timeoutMs;
    backlog = -1;
    // A descriptor that already tried to connect cannot try again.
    if (this->socketHandle < 0 || connectAttempted) {
        if (!this->reopen()) return false;
        if (this->boundPort >= 0 && !this->bind(this->boundPort, this->reusePort)) return false;
    }
    connectAttempted = true;
    sockaddr_storage target;
    socklen_t length = peer->toSockAddr(target, this->getAddressFamily());
    if (length == 0) {
        std::printf("connect: %s cannot be reached from this address family\n",
                    peer->getAddressAsString().c_str());
        return false;
    }
    int error = connectWithTimeout(this->socketHandle, target, length, timeoutMs);
    if (error != 0) {
        char text[256];
        std::printf("connect to %s port %u failed: %s\n", peer->getAddressAsString().c_str(),
                    peer->getPort(), strerror_r(error, text, sizeof(text)));
        return false;
    }
    return true;
}

template <class FamilySocket, class Self>
bool TCPSocketOf<FamilySocket, Self>::restore() {
    if (backlog >= 0) {
        int rememberedBacklog = backlog;
        return FamilySocket::restore() && listen(rememberedBacklog);
    }
    if (peer && connectTimeoutMs >= 0) {
        auto rememberedPeer = peer->createNewCopy();
        return connect(*rememberedPeer, connectTimeoutMs);
    }
    // An accepted connection cannot be re-established from this side.
    return false;
}

template class TCPSocketOf<IPv4Socket, IPv4TCPSocket>;
template class TCPSocketOf<IPv6Socket, IPv6TCPSocket>;

IPv4TCPSocket::IPv4TCPSocket() = default;
IPv4TCPSocket::IPv4TCPSocket(int port) : TCPSocketOf(port) {}
IPv4TCPSocket::IPv4TCPSocket(int acceptedHandle, std::unique_ptr<IIPAddress> acceptedPeer)
    : TCPSocketOf(acceptedHandle, std::move(acceptedPeer)) {}

IPv6TCPSocket::IPv6TCPSocket() = default;
IPv6TCPSocket::IPv6TCPSocket(int port) : TCPSocketOf(port) {}
IPv6TCPSocket::IPv6TCPSocket(int acceptedHandle, std::unique_ptr<IIPAddress> acceptedPeer)
    : TCPSocketOf(acceptedHandle, std::move(acceptedPeer)) {}
