#include "net/ComSocket.h"

#include "net/Thread.h"

RFCommSocket::RFCommSocket(std::string deviceAddress, int channel)
    : deviceAddress(std::move(deviceAddress)), channel(channel) {}

ConcurrentComSocket::ConcurrentComSocket(IComSocket* inner, bool ownsInner) : inner(inner), ownsInner(ownsInner) {}

ConcurrentComSocket::~ConcurrentComSocket() {
    close();
    if (ownsInner) delete inner;
}

void ConcurrentComSocket::joinConnectThread() {
    if (!connectorRunning) return;
    pthread_join(connector, nullptr);
    connectorRunning = false;
}

bool ConcurrentComSocket::startConnect() {
    State current = state.load();
    if (current == CONNECTING || current == CONNECTED) return false;
    joinConnectThread();
    state = CONNECTING;
    connectorRunning = createThread(&connector, &ConcurrentComSocket::connectThread, this, true);
    if (!connectorRunning) state = FAILED;
    return connectorRunning;
}

void* ConcurrentComSocket::connectThread(void* opaque) {
    auto* self = static_cast<ConcurrentComSocket*>(opaque);
    bool connected;
    {
        std::lock_guard<std::mutex> sendLock(self->sendMutex);
        std::lock_guard<std::mutex> receiveLock(self->receiveMutex);
        connected = self->inner->connect();
    }
    self->state = connected ? CONNECTED : FAILED;
    return nullptr;
}

int ConcurrentComSocket::recv(char* buffer, unsigned length) {
    if (state.load() != CONNECTED) return 0;
    std::lock_guard<std::mutex> lock(receiveMutex);
    return inner->recv(buffer, length);
}

bool ConcurrentComSocket::send(const char* data, unsigned length) {
    if (state.load() != CONNECTED) return false;
    std::lock_guard<std::mutex> lock(sendMutex);
    return inner->send(data, length);
}

void ConcurrentComSocket::close() {
    joinConnectThread();
    std::lock_guard<std::mutex> sendLock(sendMutex);
    std::lock_guard<std::mutex> receiveLock(receiveMutex);
    if (state.load() == CONNECTED) inner->close();
    state = DISCONNECTED;
}
