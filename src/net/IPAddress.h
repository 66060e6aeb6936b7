#pragma once
#include <netinet/in.h>
#include <sys/socket.h>

#include <memory>
#include <string>

// An IP address with a port, of either family. Addresses are ordered (family,
// then address bytes, then port) so they can key maps of peers.
class IIPAddress {
public:
    virtual ~IIPAddress() = default;

    virtual int getIPVersion() const = 0;  // 4 or 6
    virtual std::string getAddressAsString() const = 0;
    virtual unsigned short getPort() const = 0;
    virtual void setPort(unsigned short port) = 0;
    virtual std::unique_ptr<IIPAddress> createNewCopy() const = 0;

    // Fills a socket address of the given family (AF_INET or AF_INET6). An
    // IPv4 address asked for AF_INET6 becomes its IPv4-mapped form, so a
    // dual-stack IPv6 socket can reach IPv4 peers. Returns the used length,
    // 0 when the family cannot express this address.
    virtual socklen_t toSockAddr(sockaddr_storage& out, int family) const = 0;
    socklen_t toSockAddr(sockaddr_storage& out) const;

    // False when the text given at construction did not parse.
    bool isValid() const { return valid; }

    bool operator<(const IIPAddress& other) const;
    bool operator==(const IIPAddress& other) const;

    // The address of a received datagram or accepted peer; null for a family
    // other than AF_INET and AF_INET6.
    static std::unique_ptr<IIPAddress> fromSockAddr(const sockaddr* address);

protected:
    bool valid = true;
};

class IPv4Address : public IIPAddress {
public:
    // text is dotted decimal; an unparsable text prints "Invalid IP address"
    // and leaves 0.0.0.0 with isValid() false.
    IPv4Address(const std::string& text, unsigned short port);
    explicit IPv4Address(const sockaddr_in& address);

    int getIPVersion() const override { return 4; }
    std::string getAddressAsString() const override;
    unsigned short getPort() const override { return port; }
    void setPort(unsigned short newPort) override { port = newPort; }
    std::unique_ptr<IIPAddress> createNewCopy() const override;
    socklen_t toSockAddr(sockaddr_storage& out, int family) const override;
    using IIPAddress::toSockAddr;

private:
    unsigned char bytes[4] = {0, 0, 0, 0};
    unsigned short port = 0;
};

class IPv6Address : public IIPAddress {
public:
    // text is the usual colon notation, optionally followed by "%<interface>"
    // (a name or an index) for link-local addresses.
    IPv6Address(const std::string& text, unsigned short port);
    explicit IPv6Address(const sockaddr_in6& address);

    int getIPVersion() const override { return 6; }
    std::string getAddressAsString() const override;
    unsigned short getPort() const override { return port; }
    void setPort(unsigned short newPort) override { port = newPort; }
    std::unique_ptr<IIPAddress> createNewCopy() const override;
    socklen_t toSockAddr(sockaddr_storage& out, int family) const override;
    using IIPAddress::toSockAddr;

    unsigned getScopeId() const { return scopeId; }

private:
    unsigned char bytes[16] = {};
    unsigned short port = 0;
    unsigned scopeId = 0;
};
