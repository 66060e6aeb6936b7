#include "net/UDPSocket.h"

#include "net/SocketError.h"

#include <arpa/inet.h>
#include <netinet/in.h>

#include <cerrno>
#include <cstdio>

template <class FamilySocket>
UDPSocketOf<FamilySocket>::UDPSocketOf() : FamilySocket(SOCK_DGRAM) {
    this->reopen();
}

template <class FamilySocket>
UDPSocketOf<FamilySocket>::UDPSocketOf(int port) : UDPSocketOf() {
    bind(port, false);
}

template <class FamilySocket>
bool UDPSocketOf<FamilySocket>::configureDescriptor() {
    return FamilySocket::configureDescriptor() && this->setOption(SOL_SOCKET, SO_BROADCAST, 1);
}

template <class FamilySocket>
bool UDPSocketOf<FamilySocket>::bind(int port, bool reusePort) {
    if (!FamilySocket::bind(port, reusePort)) {
        // The failure has been reported already; keep why for the caller.
        bindError = errno ? errno : EINVAL;
        return false;
    }
    if (!reusePort && !this->setOption(SOL_SOCKET, SO_REUSEADDR, 0)) {
        bindError = errno;
        return false;
    }
    bindError = 0;
    used = true;
    return true;
}

template <class FamilySocket>
void UDPSocketOf<FamilySocket>::setUDPTarget(const IIPAddress& address) {
    target = address.createNewCopy();
}

template <class FamilySocket>
std::unique_ptr<IIPAddress> UDPSocketOf<FamilySocket>::getLastDatagramAddress() const {
    return IIPAddress::fromSockAddr(reinterpret_cast<const sockaddr*>(&lastSource));
}

template <class FamilySocket>
int UDPSocketOf<FamilySocket>::receiveOnce(char* buffer, unsigned length, int flags) {
    sockaddr_storage source;
    socklen_t sourceLength = sizeof(source);
    ssize_t count = ::recvfrom(this->socketHandle, buffer, length, flags,
                               reinterpret_cast<sockaddr*>(&source), &sourceLength);
    if (count < 0) return -errno;
    lastSource = source;
    return static_cast<int>(count);
}

template <class FamilySocket>
int UDPSocketOf<FamilySocket>::transmit(const char* data, unsigned length) {
    used = true;
    if (!target || !target->isValid()) {
        std::printf("UDP send without a valid target address\n");
        return EDESTADDRREQ;
    }
    sockaddr_storage address;
    socklen_t addressLength = target->toSockAddr(address, this->getAddressFamily());
    if (addressLength == 0) return EAFNOSUPPORT;
    ssize_t sent = ::sendto(this->socketHandle, data, length, MSG_NOSIGNAL,
                            reinterpret_cast<sockaddr*>(&address), addressLength);
    if (sent < 0) return errno;
    return static_cast<unsigned>(sent) == length ? 0 : EMSGSIZE;
}

template class UDPSocketOf<IPv4Socket>;
template class UDPSocketOf<IPv6Socket>;

IPv4UDPSocket::IPv4UDPSocket() = default;
IPv4UDPSocket::IPv4UDPSocket(int port) : UDPSocketOf(port) {}

IPv6UDPSocket::IPv6UDPSocket() = default;

IPv6UDPSocket::IPv6UDPSocket(int port) : UDPSocketOf(port) {
    joinLinkLocalMulticastGroup(0);
}

bool IPv6UDPSocket::joinLinkLocalMulticastGroup(unsigned interfaceIndex) {
    ipv6_mreq request{};
    inet_pton(AF_INET6, "ff02::1", &request.ipv6mr_multiaddr);
    request.ipv6mr_interface = interfaceIndex;
    if (setsockopt(socketHandle, IPPROTO_IPV6, IPV6_JOIN_GROUP, &request, sizeof(request)) != 0) {
        reportSocketError(errno);
        return false;
    }
    joinedInterface = static_cast<int>(interfaceIndex);
    return true;
}

bool IPv6UDPSocket::restore() {
    if (!UDPSocketOf::restore()) return false;
    return joinedInterface < 0 || joinLinkLocalMulticastGroup(static_cast<unsigned>(joinedInterface));
}
