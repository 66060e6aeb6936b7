#pragma once
#include <pthread.h>

#include <atomic>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "net/json/JSONParser.h"
#include "net/json/RPC.h"

// JSON-RPC 2.0 over a stream (TCP, optionally compressed): one thread owns
// the connection, reads and parses what arrives, answers pings and unknown
// methods itself and queues everything else for update() on the main thread.
// The main thread only ever touches the queues, under the client's mutex.
class JSONRPC2Client : public IRPCClient {
public:
    enum State { STOPPED = 0, CONNECTING = 1, CONNECTED = 2, FAILED = 3 };
    static constexpr unsigned kReceiveChunk = 4096;
    static constexpr unsigned kCompressionBufferSize = 1048576;
    static constexpr int kCompressionLevel = 9;
    static const char* const kPingText;

    JSONRPC2Client();
    ~JSONRPC2Client() override;

    unsigned callRemoteProcedure(const std::string& method, const std::vector<IRPCValue*>& params,
                                 IRemoteProcedureCaller* caller) override;
    void registerCallReceiver(const std::string& method, IRemoteProcedureCallReceiver* receiver) override;
    void unregisterCallReceiver(const std::string& method, IRemoteProcedureCallReceiver* receiver) override;
    void removeProcedureCaller(IRemoteProcedureCaller* caller) override;
    void update() override;

    int getState() override { return state; }
    bool isConnected() override { return state == CONNECTING || state == CONNECTED; }

    void disconnect() override;
    void connect(const std::string& address, int pingPeriodMs, int pingTimeoutMs, int connectTimeoutMs,
                 IMetaProtocolHandler* metaProtocolHandler) override;
    // The same over an endpoint that is already open (the client takes it).
    void useSocket(ICommunicationEndpoint* endpoint, int pingPeriodMs, int pingTimeoutMs,
                   IMetaProtocolHandler* metaProtocolHandler = nullptr);
    void flush() override;

private:
    struct Delivery;

    static void* threadMain(void* self);
    void start();
    bool openConnection();
    void run();
    void handleEntity(IRPCValue* entity, const std::string& text);
    void handleIncomingCall(ObjectValue* call, const std::string& method);
    void queueSend(std::string text);
    bool sendQueued();
    // Sleeps up to 1 ms, waking early when the socket has data or a message
    // was queued.
    void waitForWork();
    void wake();

    std::mutex mutex;  // guards everything below that both threads touch
    std::map<unsigned, IRemoteProcedureCaller*> waiting;
    std::map<std::string, IRemoteProcedureCallReceiver*> receivers;
    std::deque<std::unique_ptr<Delivery>> deliveries;
    std::deque<std::string> outgoing;
    unsigned nextId = 1;  // 0 is the ping's
    std::atomic<bool> stopRequested{false};
    std::atomic<int> state{STOPPED};

    // Owned by the client thread while it runs.
    pthread_t thread{};
    bool threadStarted = false;
    std::string address;
    int pingPeriodMs = 0;
    int pingTimeoutMs = 0;
    int connectTimeoutMs = 0;
    IMetaProtocolHandler* handler = nullptr;
    std::unique_ptr<ICommunicationEndpoint> endpoint;
    int socketHandle = -1;  // of the socket under `endpoint`, -1 when not a socket
    int wakeHandle = -1;    // an eventfd the main thread writes when it queues a message
    JSONParser parser;
    std::string messageText;  // the text of the value being parsed, for messages
};
