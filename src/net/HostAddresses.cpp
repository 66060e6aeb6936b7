#include "net/HostAddresses.h"

#include "net/TCPSocket.h"
#include "net/UDPSocket.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>

#include <cstdio>

IPAddressList queryIPAddressesForHostName(const std::string& host, unsigned short port) {
    IPAddressList addresses;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    // One entry per address rather than one per socket type.
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* results = nullptr;
    int error = getaddrinfo(host.c_str(), nullptr, &hints, &results);
    if (error != 0) {
        std::printf("Could not resolve %s: %s\n", host.c_str(), gai_strerror(error));
        return addresses;
    }
    for (addrinfo* entry = results; entry != nullptr; entry = entry->ai_next) {
        auto address = IIPAddress::fromSockAddr(entry->ai_addr);
        if (!address) continue;
        address->setPort(port);
        addresses.push_back(std::move(address));
    }
    freeaddrinfo(results);
    return addresses;
}

std::unique_ptr<ISocket> connectSocketForAddressList(const IPAddressList& addresses, int timeoutMs) {
    for (const auto& address : addresses) {
        if (address->getIPVersion() == 4) {
            auto socket = std::make_unique<IPv4TCPSocket>();
            if (socket->connect(*address, timeoutMs)) return socket;
        } else {
            auto socket = std::make_unique<IPv6TCPSocket>();
            if (socket->connect(*address, timeoutMs)) return socket;
        }
    }
    return nullptr;
}

std::unique_ptr<ISocket> createSocketForHostName(bool tcp, const std::string& host, unsigned short port,
                                                 int timeoutMs) {
    IPAddressList addresses = queryIPAddressesForHostName(host, port);
    if (addresses.empty()) return nullptr;
    if (tcp) return connectSocketForAddressList(addresses, timeoutMs);
    const IIPAddress& first = *addresses.front();
    if (first.getIPVersion() == 4) {
        auto socket = std::make_unique<IPv4UDPSocket>();
        socket->setUDPTarget(first);
        return socket;
    }
    auto socket = std::make_unique<IPv6UDPSocket>();
    socket->setUDPTarget(first);
    return socket;
}

std::vector<IPv4Address> queryIPv4BroadcastAdresses(unsigned short port) {
    std::vector<IPv4Address> broadcasts;
    ifaddrs* interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0) return broadcasts;
    for (ifaddrs* entry = interfaces; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET) continue;
        if (!(entry->ifa_flags & IFF_BROADCAST) || entry->ifa_broadaddr == nullptr) continue;
        IPv4Address address(*reinterpret_cast<const sockaddr_in*>(entry->ifa_broadaddr));
        address.setPort(port);
        broadcasts.push_back(address);
    }
    freeifaddrs(interfaces);
    return broadcasts;
}
