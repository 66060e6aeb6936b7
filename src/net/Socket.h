#pragma once
#include "net/CommunicationEndpoint.h"

// A network endpoint. Receiving without the blocking flag never waits.
class ISocket : public ICommunicationEndpoint {
public:
    // Bytes waiting in the receive queue; 0 on error.
    virtual int getAvailableBytes() = 0;
    virtual int recv(char* buffer, unsigned length, bool blocking) = 0;
    // Binds to the wildcard address of the socket's family. reusePort lets
    // several programs share the port (SO_REUSEPORT); SO_REUSEADDR is always set.
    virtual bool bind(int port, bool reusePort) = 0;
    // Replaces the descriptor by a fresh one configured as before.
    virtual bool restore() = 0;
    virtual int getSocketHandle() = 0;
    // SO_RCVBUF; the size is applied again after every restore().
    virtual bool setReceiveBufferSize(unsigned bytes) = 0;

    int recv(char* buffer, unsigned length) override { return recv(buffer, length, false); }
};

// The descriptor handling shared by all IP sockets: error policy, the single
// restore-and-retry when the socket turns out not to be connected, binding
// and the remembered receive-buffer size.
class ASocket : public ISocket {
public:
    ~ASocket() override;
    ASocket(const ASocket&) = delete;
    ASocket& operator=(const ASocket&) = delete;

    using ISocket::recv;
    int recv(char* buffer, unsigned length, bool blocking) override;
    bool send(const char* data, unsigned length) override;
    int getAvailableBytes() override;
    bool bind(int port, bool reusePort) override;
    bool restore() override;
    int getSocketHandle() override { return socketHandle; }
    bool setReceiveBufferSize(unsigned bytes) override;

    int getAddressFamily() const { return family; }
    // The port actually bound (the kernel's choice after binding port 0);
    // -1 while unbound.
    int getBoundPort() const { return boundPort; }
    bool isAutoRestoreEnabled() const { return autoRestore; }
    void close();

protected:
    ASocket(int family, int type);

    // Closes any descriptor and creates a new one, configured through
    // configureDescriptor() and given the remembered receive-buffer size.
    bool reopen();
    // Options every new descriptor of this kind needs.
    virtual bool configureDescriptor() { return true; }

    // One receive attempt: the byte count, or -errno.
    virtual int receiveOnce(char* buffer, unsigned length, int flags);
    // Sends everything: 0, or the errno that stopped it.
    virtual int transmit(const char* data, unsigned length);
    // False when a receive cannot yield anything yet, so the descriptor is
    // left alone.
    virtual bool readyToReceive() const { return true; }

    bool setOption(int level, int name, int value);

    int socketHandle = -1;
    bool autoRestore = true;
    int receiveBufferSize = -1;
    int boundPort = -1;
    bool reusePort = false;

private:
    // After not-connected: restore once, remember whether that worked.
    bool tryRestore();

    const int family;
    const int type;
};

class IPv4Socket : public ASocket {
protected:
    explicit IPv4Socket(int type);
};

class IPv6Socket : public ASocket {
public:
    // Dual-stack reception: with it on, IPv4 peers reach this socket as
    // IPv4-mapped addresses. Survives restore(); on an already bound socket
    // it takes effect through a restore().
    bool setIPv4ReceptionEnabled(bool enabled);

protected:
    explicit IPv6Socket(int type);
    bool configureDescriptor() override;

private:
    int ipv4Reception = -1;  // -1: the system's default
};
