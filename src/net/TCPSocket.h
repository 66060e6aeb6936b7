#pragma once
#include "net/IPAddress.h"
#include "net/Socket.h"

#include <memory>

// Stream behaviour on top of a family's socket. A socket either listens
// (remembering its backlog) or connects (remembering peer and time-out);
// restore() repeats whichever it did. Self is the concrete class that
// accept() hands out.
template <class FamilySocket, class Self>
class TCPSocketOf : public FamilySocket {
public:
    // Starts listening on the bound port (an ephemeral one when unbound).
    bool listen(int backlog);
    // Waits up to timeoutMs for a connection; returns the connected socket,
    // or null on time-out or error. peerOut, when given, receives the peer.
    std::unique_ptr<Self> accept(int timeoutMs, std::unique_ptr<IIPAddress>* peerOut = nullptr);
    // Connects within timeoutMs; false on refusal, error or time-out.
    bool connect(const IIPAddress& address, int timeoutMs);
    bool restore() override;

    const IIPAddress* getPeerAddress() const { return peer.get(); }
    int getConnectTimeout() const { return connectTimeoutMs; }
    int getBacklog() const { return backlog; }

protected:
    TCPSocketOf();
    explicit TCPSocketOf(int port);
    // Adopts the descriptor of an accepted connection.
    TCPSocketOf(int acceptedHandle, std::unique_ptr<IIPAddress> acceptedPeer);

private:
    int connectTimeoutMs = -1;
    int backlog = -1;
    bool connectAttempted = false;
    std::unique_ptr<IIPAddress> peer;
};

class IPv4TCPSocket : public TCPSocketOf<IPv4Socket, IPv4TCPSocket> {
public:
    IPv4TCPSocket();
    explicit IPv4TCPSocket(int port);
    IPv4TCPSocket(int acceptedHandle, std::unique_ptr<IIPAddress> acceptedPeer);
};

class IPv6TCPSocket : public TCPSocketOf<IPv6Socket, IPv6TCPSocket> {
public:
    IPv6TCPSocket();
    explicit IPv6TCPSocket(int port);
    IPv6TCPSocket(int acceptedHandle, std::unique_ptr<IIPAddress> acceptedPeer);
};
