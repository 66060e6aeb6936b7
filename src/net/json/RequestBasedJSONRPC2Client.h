#pragma once
#include <pthread.h>

#include <atomic>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "net/json/RPC.h"
#include "net/json/RequestSender.h"

// JSON-RPC 2.0 with one HTTP request per call (web services). A worker
// thread sends the queued calls one by one; update() hands the replies to
// their callers on the main thread. The peer cannot call us.
class RequestBasedJSONRPC2Client : public IMinimalRPCClient {
public:
    // Codes given to callers when no JSON-RPC reply came back.
    static constexpr int kTransferFailed = -32000;
    static constexpr int kInvalidReply = -32700;

    RequestBasedJSONRPC2Client(std::string url, std::unique_ptr<IRequestSender> sender);
    ~RequestBasedJSONRPC2Client() override;

    unsigned callRemoteProcedure(const std::string& method, const std::vector<IRPCValue*>& params,
                                 IRemoteProcedureCaller* caller) override;
    // Not possible over requests: says so.
    void registerCallReceiver(const std::string& method, IRemoteProcedureCallReceiver* receiver) override;
    void unregisterCallReceiver(const std::string&, IRemoteProcedureCallReceiver*) override {}
    void removeProcedureCaller(IRemoteProcedureCaller* caller) override;
    void update() override;

    // 2 while the worker runs.
    int getState() override { return 2; }
    bool isConnected() override { return true; }
    // True while requests wait or one is in flight.
    bool isBusy();

private:
    struct Request {
        unsigned id;
        std::string text;
    };
    struct Outcome;

    static void* workerMain(void* self);
    void work();
    std::unique_ptr<Outcome> interpret(unsigned id, const IRequestSender::Reply& reply);

    std::string url;
    std::unique_ptr<IRequestSender> sender;
    std::mutex mutex;
    std::deque<Request> requests;
    std::deque<std::unique_ptr<Outcome>> outcomes;
    std::map<unsigned, IRemoteProcedureCaller*> waiting;
    unsigned nextId = 1;
    bool inFlight = false;
    std::atomic<bool> stopRequested{false};
    pthread_t worker{};
    bool workerStarted = false;
};
