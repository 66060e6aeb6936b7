#include "net/IPAddress.h"

#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void reportInvalidAddress(const std::string& text) {
    std::printf("Invalid IP address: %s\n", text.c_str());
}

// Family, address bytes and port as one comparable key.
std::string orderingKey(const IIPAddress& address) {
    sockaddr_storage storage;
    address.toSockAddr(storage);
    std::string key(1, static_cast<char>(address.getIPVersion()));
    if (storage.ss_family == AF_INET) {
        const auto& in = reinterpret_cast<const sockaddr_in&>(storage);
        key.append(reinterpret_cast<const char*>(&in.sin_addr), 4);
    } else if (storage.ss_family == AF_INET6) {
        const auto& in6 = reinterpret_cast<const sockaddr_in6&>(storage);
        key.append(reinterpret_cast<const char*>(&in6.sin6_addr), 16);
    }
    unsigned short port = address.getPort();
    key.push_back(static_cast<char>(port >> 8));
    key.push_back(static_cast<char>(port & 0xff));
    return key;
}

}  // namespace

socklen_t IIPAddress::toSockAddr(sockaddr_storage& out) const {
    return toSockAddr(out, getIPVersion() == 4 ? AF_INET : AF_INET6);
}

bool IIPAddress::operator<(const IIPAddress& other) const {
    // std::string compares as unsigned bytes, which is the order we want.
    return orderingKey(*this) < orderingKey(other);
}

bool IIPAddress::operator==(const IIPAddress& other) const {
    return orderingKey(*this) == orderingKey(other);
}

std::unique_ptr<IIPAddress> IIPAddress::fromSockAddr(const sockaddr* address) {
    if (address == nullptr) return nullptr;
    if (address->sa_family == AF_INET)
        return std::make_unique<IPv4Address>(*reinterpret_cast<const sockaddr_in*>(address));
    if (address->sa_family == AF_INET6)
        return std::make_unique<IPv6Address>(*reinterpret_cast<const sockaddr_in6*>(address));
    return nullptr;
}

IPv4Address::IPv4Address(const std::string& text, unsigned short port) : port(port) {
    if (inet_pton(AF_INET, text.c_str(), bytes) != 1) {
        std::memset(bytes, 0, sizeof(bytes));
        valid = false;
        reportInvalidAddress(text);
    }
}

IPv4Address::IPv4Address(const sockaddr_in& address) : port(ntohs(address.sin_port)) {
    std::memcpy(bytes, &address.sin_addr, sizeof(bytes));
}

std::string IPv4Address::getAddressAsString() const {
    char text[INET_ADDRSTRLEN];
    inet_ntop(AF_INET, bytes, text, sizeof(text));
    return text;
}

std::unique_ptr<IIPAddress> IPv4Address::createNewCopy() const {
    return std::make_unique<IPv4Address>(*this);
}

socklen_t IPv4Address::toSockAddr(sockaddr_storage& out, int family) const {
    std::memset(&out, 0, sizeof(out));
    if (family == AF_INET) {
        auto& in = reinterpret_cast<sockaddr_in&>(out);
        in.sin_family = AF_INET;
        in.sin_port = htons(port);
        std::memcpy(&in.sin_addr, bytes, sizeof(bytes));
        return sizeof(sockaddr_in);
    }
    if (family == AF_INET6) {
        auto& in6 = reinterpret_cast<sockaddr_in6&>(out);
        in6.sin6_family = AF_INET6;
        in6.sin6_port = htons(port);
        in6.sin6_addr.s6_addr[10] = 0xff;
        in6.sin6_addr.s6_addr[11] = 0xff;
        std::memcpy(&in6.sin6_addr.s6_addr[12], bytes, sizeof(bytes));
        return sizeof(sockaddr_in6);
    }
    return 0;
}

IPv6Address::IPv6Address(const std::string& text, unsigned short port) : port(port) {
    std::string address = text;
    size_t percent = text.find('%');
    if (percent != std::string::npos) {
        address = text.substr(0, percent);
        std::string scope = text.substr(percent + 1);
        char* end = nullptr;
        unsigned long index = std::strtoul(scope.c_str(), &end, 10);
        scopeId = (!scope.empty() && *end == '\0') ? static_cast<unsigned>(index)
                                                   : if_nametoindex(scope.c_str());
        if (scopeId == 0) valid = false;
    }
    if (!valid || inet_pton(AF_INET6, address.c_str(), bytes) != 1) {
        std::memset(bytes, 0, sizeof(bytes));
        scopeId = 0;
        valid = false;
        reportInvalidAddress(text);
    }
}

IPv6Address::IPv6Address(const sockaddr_in6& address)
    : port(ntohs(address.sin6_port)), scopeId(address.sin6_scope_id) {
    std::memcpy(bytes, &address.sin6_addr, sizeof(bytes));
}

std::string IPv6Address::getAddressAsString() const {
    char text[INET6_ADDRSTRLEN];
    inet_ntop(AF_INET6, bytes, text, sizeof(text));
    return text;
}

std::unique_ptr<IIPAddress> IPv6Address::createNewCopy() const {
    return std::make_unique<IPv6Address>(*this);
}

socklen_t IPv6Address::toSockAddr(sockaddr_storage& out, int family) const {
    std::memset(&out, 0, sizeof(out));
    if (family != AF_INET6) return 0;
    auto& in6 = reinterpret_cast<sockaddr_in6&>(out);
    in6.sin6_family = AF_INET6;
    in6.sin6_port = htons(port);
    in6.sin6_scope_id = scopeId;
    std::memcpy(&in6.sin6_addr, bytes, sizeof(bytes));
    return sizeof(sockaddr_in6);
}
