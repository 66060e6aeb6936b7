#include "net/Socket.h"

#include "net/SocketError.h"

#include <netinet/in.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// "No data yet" and an ICMP host-unreachable on a datagram socket are normal
// on a busy or sparse network and not worth a report.
bool isToleratedReceiveError(int errorNumber) {
    return errorNumber == EAGAIN || errorNumber == EWOULDBLOCK || errorNumber == EHOSTUNREACH;
}

}  // namespace

ASocket::ASocket(int family, int type) : family(family), type(type) {}

ASocket::~ASocket() { close(); }

void ASocket::close() {
    if (socketHandle >= 0) ::close(socketHandle);
    socketHandle = -1;
}

bool ASocket::reopen() {
    close();
    socketHandle = ::socket(family, type | SOCK_CLOEXEC, 0);
    if (socketHandle < 0) {
        reportSocketError(errno);
        return false;
    }
    if (!configureDescriptor()) return false;
    if (receiveBufferSize >= 0 && !setOption(SOL_SOCKET, SO_RCVBUF, receiveBufferSize)) return false;
    return true;
}

bool ASocket::setOption(int level, int name, int value) {
    if (setsockopt(socketHandle, level, name, &value, sizeof(value)) == 0) return true;
    reportSocketError(errno);
    return false;
}

bool ASocket::tryRestore() {
    autoRestore = restore();
    return autoRestore;
}

int ASocket::receiveOnce(char* buffer, unsigned length, int flags) {
    ssize_t count = ::recv(socketHandle, buffer, length, flags);
    return count < 0 ? -errno : static_cast<int>(count);
}

int ASocket::recv(char* buffer, unsigned length, bool blocking) {
    if (!readyToReceive()) return 0;
    int flags = blocking ? 0 : MSG_DONTWAIT;
    int result = receiveOnce(buffer, length, flags);
    if (result == -ENOTCONN && autoRestore && tryRestore()) result = receiveOnce(buffer, length, flags);
    if (result >= 0) return result;
    if (!isToleratedReceiveError(-result)) reportSocketError(-result);
    return 0;
}

int ASocket::transmit(const char* data, unsigned length) {
    while (length > 0) {
        ssize_t sent = ::send(socketHandle, data, length, MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        data += sent;
        length -= static_cast<unsigned>(sent);
    }
    return 0;
}

bool ASocket::send(const char* data, unsigned length) {
    int error = transmit(data, length);
    if (error == ENOTCONN && autoRestore && tryRestore()) error = transmit(data, length);
    if (error == 0) return true;
    reportSocketError(error);
    return false;
}

int ASocket::getAvailableBytes() {
    int count = 0;
    if (ioctl(socketHandle, FIONREAD, &count) == 0) return count;
    reportSocketError(errno);
    return 0;
}

bool ASocket::bind(int port, bool reusePort) {
    if (!setOption(SOL_SOCKET, SO_REUSEADDR, 1)) return false;
    if (reusePort && !setOption(SOL_SOCKET, SO_REUSEPORT, 1)) return false;
    sockaddr_storage address;
    std::memset(&address, 0, sizeof(address));
    socklen_t length;
    // The wildcard address is all zero bytes in both families.
    if (family == AF_INET) {
        auto& in = reinterpret_cast<sockaddr_in&>(address);
        in.sin_family = AF_INET;
        in.sin_port = htons(static_cast<unsigned short>(port));
        length = sizeof(sockaddr_in);
    } else {
        auto& in6 = reinterpret_cast<sockaddr_in6&>(address);
        in6.sin6_family = AF_INET6;
        in6.sin6_port = htons(static_cast<unsigned short>(port));
        length = sizeof(sockaddr_in6);
    }
    if (::bind(socketHandle, reinterpret_cast<sockaddr*>(&address), length) != 0) {
        reportSocketError(errno);
        return false;
    }
    // Remember the port really bound, so a restore after binding port 0
    // comes back on the same port.
    length = sizeof(address);
    getsockname(socketHandle, reinterpret_cast<sockaddr*>(&address), &length);
    boundPort = ntohs(family == AF_INET ? reinterpret_cast<sockaddr_in&>(address).sin_port
                                        : reinterpret_cast<sockaddr_in6&>(address).sin6_port);
    this->reusePort = reusePort;
    return true;
}

bool ASocket::restore() {
    if (!reopen()) return false;
    return boundPort < 0 || bind(boundPort, reusePort);
}

bool ASocket::setReceiveBufferSize(unsigned bytes) {
    receiveBufferSize = static_cast<int>(bytes);
    return setOption(SOL_SOCKET, SO_RCVBUF, receiveBufferSize);
}

IPv4Socket::IPv4Socket(int type) : ASocket(AF_INET, type) {}

IPv6Socket::IPv6Socket(int type) : ASocket(AF_INET6, type) {}

bool IPv6Socket::configureDescriptor() {
    return ipv4Reception < 0 || setOption(IPPROTO_IPV6, IPV6_V6ONLY, ipv4Reception ? 0 : 1);
}

bool IPv6Socket::setIPv4ReceptionEnabled(bool enabled) {
    ipv4Reception = enabled ? 1 : 0;
    int v6Only = enabled ? 0 : 1;
    if (setsockopt(socketHandle, IPPROTO_IPV6, IPV6_V6ONLY, &v6Only, sizeof(v6Only)) == 0) return true;
    // The kernel refuses the change once the socket is bound; a fresh
    // descriptor, bound again, gets it.
    if (errno == EINVAL) return restore();
    reportSocketError(errno);
    return false;
}
