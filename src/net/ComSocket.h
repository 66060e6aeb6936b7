#pragma once
#include "net/CommunicationEndpoint.h"

#include <pthread.h>

#include <atomic>
#include <mutex>
#include <string>

// A connection-oriented serial link such as a Bluetooth serial port.
class IComSocket : public ICommunicationEndpoint {
public:
    // Establishes the link; may take seconds. Returns success.
    virtual bool connect() = 0;
    virtual void close() = 0;
    // Bytes waiting to be read.
    virtual int getAvailableBytes() = 0;
};

// Bluetooth serial (RFCOMM). This platform has no Bluetooth stack to talk
// to, so connecting, sending, receiving and querying all yield 0.
class RFCommSocket : public IComSocket {
public:
    RFCommSocket(std::string deviceAddress, int channel);

    bool connect() override { return false; }
    void close() override {}
    int getAvailableBytes() override { return 0; }
    int recv(char*, unsigned) override { return 0; }
    bool send(const char*, unsigned) override { return false; }

    const std::string& getDeviceAddress() const { return deviceAddress; }
    int getChannel() const { return channel; }

private:
    std::string deviceAddress;
    int channel;
};

// Makes an IComSocket usable from several threads: connects on a background
// thread so the caller never blocks on a slow link, serialises sends and
// receives with their own locks and publishes the connection state.
class ConcurrentComSocket : public ICommunicationEndpoint {
public:
    enum State { DISCONNECTED, CONNECTING, CONNECTED, FAILED };

    ConcurrentComSocket(IComSocket* inner, bool ownsInner);
    // Waits for a connect still under way, then closes the link.
    ~ConcurrentComSocket() override;
    ConcurrentComSocket(const ConcurrentComSocket&) = delete;
    ConcurrentComSocket& operator=(const ConcurrentComSocket&) = delete;

    // Starts connecting in the background; false when a connect is already
    // under way or the link is up, or no thread could be started.
    bool startConnect();
    State getState() const { return state.load(); }

    // 0 / false unless connected.
    int recv(char* buffer, unsigned length) override;
    bool send(const char* data, unsigned length) override;
    void close();

private:
    static void* connectThread(void* self);
    void joinConnectThread();

    IComSocket* inner;
    bool ownsInner;
    std::atomic<State> state{DISCONNECTED};
    std::mutex sendMutex;
    std::mutex receiveMutex;
    pthread_t connector{};
    bool connectorRunning = false;
};
