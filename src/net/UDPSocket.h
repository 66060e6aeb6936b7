#pragma once
#include "net/IPAddress.h"
#include "net/Socket.h"

#include <sys/socket.h>

#include <memory>

// Datagram behaviour on top of a family's socket (IPv4Socket or IPv6Socket).
// Broadcast is always permitted. recv() returns 0 at once until the socket
// has been bound or has sent something: before that nothing can arrive, and
// the descriptor is left alone.
template <class FamilySocket>
class UDPSocketOf : public FamilySocket {
public:
    // Without reusePort the port is this socket's alone. Linux lets every
    // datagram socket that set SO_REUSEADDR bind a port already bound that way
    // and then hands each unicast datagram to the newest one only, so a second
    // listener would silently take all the traffic: once bound, SO_REUSEADDR
    // is cleared again and any later bind of the port fails. With reusePort,
    // the sockets sharing the port split the datagrams between them.
    bool bind(int port, bool reusePort) override;
    // Why the last bind failed (an errno value); 0 after one that worked.
    int getBindError() const { return bindError; }
    // Where send() goes.
    void setUDPTarget(const IIPAddress& address);
    const IIPAddress* getUDPTarget() const { return target.get(); }
    // The sender of the last datagram received; null before the first one.
    std::unique_ptr<IIPAddress> getLastDatagramAddress() const;
    bool isUsed() const { return used; }

protected:
    UDPSocketOf();
    explicit UDPSocketOf(int port);

    bool configureDescriptor() override;
    int receiveOnce(char* buffer, unsigned length, int flags) override;
    int transmit(const char* data, unsigned length) override;
    bool readyToReceive() const override { return used; }

private:
    bool used = false;
    int bindError = 0;
    std::unique_ptr<IIPAddress> target;
    // Kept raw: converting every datagram's sender into an object would cost
    // more than the receive itself.
    sockaddr_storage lastSource{};
};

class IPv4UDPSocket : public UDPSocketOf<IPv4Socket> {
public:
    IPv4UDPSocket();
    explicit IPv4UDPSocket(int port);
};

class IPv6UDPSocket : public UDPSocketOf<IPv6Socket> {
public:
    IPv6UDPSocket();
    // Binds and joins the link-local all-nodes group FF02::1 on the default
    // interface, where devices announce themselves.
    explicit IPv6UDPSocket(int port);

    // Joins FF02::1 on the interface (0: the system's choice); kept across
    // restore().
    bool joinLinkLocalMulticastGroup(unsigned interfaceIndex);
    bool restore() override;

private:
    int joinedInterface = -1;
};
