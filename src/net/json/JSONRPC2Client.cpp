#include "net/json/JSONRPC2Client.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <iostream>

#include "base/Time.h"
#include "net/HostAddresses.h"
#include "net/Socket.h"
#include "net/Thread.h"
#include "net/ZSocket.h"
#include "net/json/JSONWriter.h"

const char* const JSONRPC2Client::kPingText =
    "{\"jsonrpc\": \"2.0\", \"method\": \"rc:ping\", \"params\": [], \"id\": 0}";

namespace {
const int kMethodNotFound = -32601;
const unsigned kFlushTimeoutMs = 1000;
}  // namespace

// What the client thread hands to update().
struct JSONRPC2Client::Delivery {
    enum Kind { RESULT, ERROR, CALL } kind = RESULT;
    unsigned id = 0;
    std::unique_ptr<IRPCValue> value;  // result, error data or call parameters
    int code = 0;
    std::string text;    // error message or method
    std::string callId;  // JSON text of an incoming call's id; empty for a notification
};

JSONRPC2Client::JSONRPC2Client() : wakeHandle(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

JSONRPC2Client::~JSONRPC2Client() {
    disconnect();
    if (wakeHandle >= 0) ::close(wakeHandle);
}

void JSONRPC2Client::wake() {
    const uint64_t one = 1;
    if (wakeHandle >= 0 && ::write(wakeHandle, &one, sizeof one) < 0) {
        // Already signalled: the counter is far from full, nothing is lost.
    }
}

void JSONRPC2Client::waitForWork() {
    if (socketHandle < 0 || wakeHandle < 0) {
        delay(1);
        return;
    }
    pollfd handles[2] = {{socketHandle, POLLIN, 0}, {wakeHandle, POLLIN, 0}};
    if (::poll(handles, 2, 1) > 0 && (handles[1].revents & POLLIN)) {
        uint64_t count;
        if (::read(wakeHandle, &count, sizeof count) < 0) count = 0;
    }
}

unsigned JSONRPC2Client::callRemoteProcedure(const std::string& method, const std::vector<IRPCValue*>& params,
                                             IRemoteProcedureCaller* caller) {
    std::vector<std::unique_ptr<IRPCValue>> owned(params.begin(), params.end());
    std::vector<const IRPCValue*> values(params.begin(), params.end());
    std::lock_guard<std::mutex> lock(mutex);
    const unsigned id = nextId++;
    if (nextId == 0) nextId = 1;
    if (caller) waiting[id] = caller;
    outgoing.push_back(formatJSONRPCCall(method, values, id) + "\n");
    wake();
    return id;
}

void JSONRPC2Client::registerCallReceiver(const std::string& method, IRemoteProcedureCallReceiver* receiver) {
    std::lock_guard<std::mutex> lock(mutex);
    receivers[method] = receiver;
}

void JSONRPC2Client::unregisterCallReceiver(const std::string& method, IRemoteProcedureCallReceiver* receiver) {
    std::lock_guard<std::mutex> lock(mutex);
    auto it = receivers.find(method);
    if (it != receivers.end() && it->second == receiver) receivers.erase(it);
}

void JSONRPC2Client::removeProcedureCaller(IRemoteProcedureCaller* caller) {
    std::lock_guard<std::mutex> lock(mutex);
    for (auto it = waiting.begin(); it != waiting.end();) it = it->second == caller ? waiting.erase(it) : ++it;
}

void JSONRPC2Client::queueSend(std::string text) {
    std::lock_guard<std::mutex> lock(mutex);
    outgoing.push_back(std::move(text));
    wake();
}

void JSONRPC2Client::update() {
    std::deque<std::unique_ptr<Delivery>> taken;
    {
        std::lock_guard<std::mutex> lock(mutex);
        taken.swap(deliveries);
    }
    for (auto& d : taken) {
        // Looked up again for each one: an earlier delivery may have removed
        // a caller or a receiver.
        std::unique_lock<std::mutex> lock(mutex);
        if (d->kind == Delivery::CALL) {
            auto it = receivers.find(d->text);
            IRemoteProcedureCallReceiver* receiver = it == receivers.end() ? nullptr : it->second;
            lock.unlock();
            if (!receiver) continue;
            std::unique_ptr<IRPCValue> result(
                receiver->OnProcedureCall(d->text, static_cast<ArrayValue*>(d->value.get())));
            if (d->callId.empty()) continue;
            std::string response = "{\"jsonrpc\": \"2.0\", \"result\": ";
            appendJSON(response, result.get());
            queueSend(response + ", \"id\": " + d->callId + "}\n");
            continue;
        }
        auto it = waiting.find(d->id);
        if (it == waiting.end()) continue;
        IRemoteProcedureCaller* caller = it->second;
        waiting.erase(it);
        lock.unlock();
        if (d->kind == Delivery::RESULT) caller->OnProcedureResult(d->value.get(), d->id);
        else caller->OnProcedureError(d->code, d->text, d->value.get(), d->id);
    }
}

void JSONRPC2Client::connect(const std::string& hostAndPort, int pingPeriod, int pingTimeout, int connectTimeout,
                             IMetaProtocolHandler* metaProtocolHandler) {
    disconnect();
    address = hostAndPort;
    pingPeriodMs = pingPeriod;
    pingTimeoutMs = pingTimeout;
    connectTimeoutMs = connectTimeout;
    handler = metaProtocolHandler;
    start();
}

void JSONRPC2Client::useSocket(ICommunicationEndpoint* open, int pingPeriod, int pingTimeout,
                               IMetaProtocolHandler* metaProtocolHandler) {
    disconnect();
    address.clear();
    endpoint.reset(open);
    pingPeriodMs = pingPeriod;
    pingTimeoutMs = pingTimeout;
    handler = metaProtocolHandler;
    start();
}

void JSONRPC2Client::start() {
    stopRequested = false;
    state = CONNECTING;
    threadStarted = createThread(&thread, &JSONRPC2Client::threadMain, this, true);
    if (!threadStarted) state = FAILED;
}

void JSONRPC2Client::disconnect() {
    if (!threadStarted) return;
    stopRequested = true;
    pthread_join(thread, nullptr);
    threadStarted = false;
}

void JSONRPC2Client::flush() {
    for (unsigned waited = 0; waited < kFlushTimeoutMs && state == CONNECTED; ++waited) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (outgoing.empty()) return;
        }
        delay(1);
    }
}

void* JSONRPC2Client::threadMain(void* self) {
    auto* client = static_cast<JSONRPC2Client*>(self);
    if (!client->openConnection()) {
        client->endpoint.reset();
        client->state = FAILED;
        return nullptr;
    }
    client->state = CONNECTED;
    client->run();
    std::cout << "JSONRPC2Client Thread exiting..." << std::endl;
    client->endpoint.reset();
    client->socketHandle = -1;
    client->state = STOPPED;
    return nullptr;
}

bool JSONRPC2Client::openConnection() {
    if (!endpoint) {
        const size_t colon = address.rfind(':');
        if (colon == std::string::npos) return false;
        const int port = std::atoi(address.c_str() + colon + 1);
        std::string host = address.substr(0, colon);
        if (host.size() > 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
        IPAddressList addresses = queryIPAddressesForHostName(host, static_cast<unsigned short>(port));
        endpoint = connectSocketForAddressList(addresses, connectTimeoutMs);
        if (!endpoint) return false;
    }
    auto* socket = dynamic_cast<ISocket*>(endpoint.get());
    socketHandle = socket ? socket->getSocketHandle() : -1;
    if (handler && !handler->tryNegotiate(endpoint.get())) return false;
    if (handler && handler->useCompression())
        endpoint.reset(
            new ZSocket(endpoint.release(), kCompressionBufferSize, kCompressionBufferSize, kCompressionLevel, true));
    parser.reset();
    messageText.clear();
    return true;
}

bool JSONRPC2Client::sendQueued() {
    std::deque<std::string> sending;
    {
        std::lock_guard<std::mutex> lock(mutex);
        sending.swap(outgoing);
    }
    for (const std::string& text : sending)
        if (!endpoint->send(text.data(), unsigned(text.size()))) return false;
    return true;
}

void JSONRPC2Client::run() {
    char buffer[kReceiveChunk];
    uint32_t lastPing = getMilliSecs();
    uint32_t lastReceived = lastPing;
    while (!stopRequested) {
        if (!sendQueued()) return;
        const int count = endpoint->recv(buffer, sizeof buffer);
        if (count < 0) return;
        const uint32_t now = getMilliSecs();
        if (count > 0) lastReceived = now;
        for (int i = 0; i < count; ++i) {
            if (parser.getStatus() == JSONParser::NEED_MORE && (!messageText.empty() || buffer[i] > ' '))
                messageText += buffer[i];
            const JSONParser::Status status = parser.parse(buffer[i], i + 1 < count ? buffer[i + 1] : 0);
            if (status == JSONParser::COMPLETE) {
                std::unique_ptr<IRPCValue> entity(parser.stealResult());
                handleEntity(entity.get(), messageText);
            } else if (status == JSONParser::FAILED) {
                std::cout << "Error while parsing JSON." << std::endl;
            }
            if (status != JSONParser::NEED_MORE) {
                parser.reset();
                messageText.clear();
            }
        }
        if (TimeDiff(now, lastPing) > uint32_t(pingPeriodMs)) {
            lastPing = now;
            const std::string ping = std::string(kPingText) + "\n";
            if (!endpoint->send(ping.data(), unsigned(ping.size()))) return;
        }
        if (TimeDiff(now, lastReceived) > uint32_t(pingTimeoutMs)) {
            std::cout << "Ping Timeout: " << TimeDiff(now, lastReceived) / 1000.0 << "s" << std::endl;
            return;
        }
        if (count == 0) waitForWork();
    }
}

void JSONRPC2Client::handleEntity(IRPCValue* entity, const std::string& text) {
    if (entity->getType() == IRPCValue::ARRAY_VALUE) {
        for (auto& element : static_cast<ArrayValue*>(entity)->values)
            handleEntity(element.get(), convertRPCValueToJSONString(element.get()));
        return;
    }
    auto* object = entity->getType() == IRPCValue::OBJECT_VALUE ? static_cast<ObjectValue*>(entity) : nullptr;
    StringValue* version = object ? object->getAs<StringValue>("jsonrpc") : nullptr;
    if (!version || version->value != "2.0") {
        std::cout << "Error: Invalid / unsupported JSON-RPC: " << text << std::endl;
        return;
    }
    if (StringValue* method = object->getAs<StringValue>("method")) {
        handleIncomingCall(object, method->value);
        return;
    }
    IRPCValue* result = object->get("result");
    ObjectValue* error = object->getAs<ObjectValue>("error");
    IntegerValue* id = object->getAs<IntegerValue>("id");
    if ((!result && !error) || !id) {
        std::cout << "Error: Invalid / unsupported JSON-RPC: " << text << std::endl;
        return;
    }
    if (id->value == 0) return;  // the answer to our ping
    auto delivery = std::make_unique<Delivery>();
    delivery->id = unsigned(id->value);
    if (error) {
        delivery->kind = Delivery::ERROR;
        if (IntegerValue* code = error->getAs<IntegerValue>("code")) delivery->code = int(code->value);
        if (StringValue* message = error->getAs<StringValue>("message")) delivery->text = message->value;
        if (auto data = error->members.find("data"); data != error->members.end())
            delivery->value = std::move(data->second);
    } else {
        delivery->value = std::move(object->members["result"]);
    }
    std::lock_guard<std::mutex> lock(mutex);
    if (!waiting.count(delivery->id)) {
        std::cout << "Error: No RPC caller with json id: " << delivery->id << " found." << std::endl;
        return;
    }
    deliveries.push_back(std::move(delivery));
}

void JSONRPC2Client::handleIncomingCall(ObjectValue* call, const std::string& method) {
    IRPCValue* id = call->get("id");
    const std::string idText = id ? convertRPCValueToJSONString(id) : std::string();
    if (method == "rc:ping") {
        if (!idText.empty()) queueSend("{\"jsonrpc\": \"2.0\", \"result\": null, \"id\": " + idText + "}\n");
        return;
    }
    std::lock_guard<std::mutex> lock(mutex);
    if (!receivers.count(method)) {
        StringValue name(method);
        outgoing.push_back(
            formatJSONRPCError(kMethodNotFound, "Method not found", &name, idText.empty() ? "null" : idText) + "\n");
        return;
    }
    auto delivery = std::make_unique<Delivery>();
    delivery->kind = Delivery::CALL;
    delivery->text = method;
    delivery->callId = idText;
    auto params = call->members.find("params");
    if (params != call->members.end() && params->second->getType() == IRPCValue::ARRAY_VALUE)
        delivery->value = std::move(params->second);
    else delivery->value = std::make_unique<ArrayValue>();
    deliveries.push_back(std::move(delivery));
}
