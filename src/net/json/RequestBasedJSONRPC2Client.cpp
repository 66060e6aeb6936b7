#include "net/json/RequestBasedJSONRPC2Client.h"

#include <iostream>

#include "base/Time.h"
#include "net/Thread.h"
#include "net/json/JSONParser.h"
#include "net/json/JSONWriter.h"

struct RequestBasedJSONRPC2Client::Outcome {
    unsigned id = 0;
    bool isError = false;
    int code = 0;
    std::string message;
    std::unique_ptr<IRPCValue> value;  // result or error data
};

RequestBasedJSONRPC2Client::RequestBasedJSONRPC2Client(std::string serviceUrl,
                                                       std::unique_ptr<IRequestSender> requestSender)
    : url(std::move(serviceUrl)), sender(std::move(requestSender)) {
    workerStarted = createThread(&worker, &RequestBasedJSONRPC2Client::workerMain, this, true);
}

RequestBasedJSONRPC2Client::~RequestBasedJSONRPC2Client() {
    stopRequested = true;
    if (workerStarted) pthread_join(worker, nullptr);
}

unsigned RequestBasedJSONRPC2Client::callRemoteProcedure(const std::string& method,
                                                         const std::vector<IRPCValue*>& params,
                                                         IRemoteProcedureCaller* caller) {
    std::vector<std::unique_ptr<IRPCValue>> owned(params.begin(), params.end());
    std::vector<const IRPCValue*> values(params.begin(), params.end());
    std::lock_guard<std::mutex> lock(mutex);
    const unsigned id = nextId++;
    if (caller) waiting[id] = caller;
    requests.push_back({id, formatJSONRPCCall(method, values, id)});
    return id;
}

void RequestBasedJSONRPC2Client::registerCallReceiver(const std::string& method, IRemoteProcedureCallReceiver*) {
    std::cout << "Unable to receive calls with request based JSON-RPC: " << method << std::endl;
}

void RequestBasedJSONRPC2Client::removeProcedureCaller(IRemoteProcedureCaller* caller) {
    std::lock_guard<std::mutex> lock(mutex);
    for (auto it = waiting.begin(); it != waiting.end();) it = it->second == caller ? waiting.erase(it) : ++it;
}

bool RequestBasedJSONRPC2Client::isBusy() {
    std::lock_guard<std::mutex> lock(mutex);
    return inFlight || !requests.empty();
}

void RequestBasedJSONRPC2Client::update() {
    std::deque<std::unique_ptr<Outcome>> taken;
    {
        std::lock_guard<std::mutex> lock(mutex);
        taken.swap(outcomes);
    }
    for (auto& outcome : taken) {
        IRemoteProcedureCaller* caller = nullptr;
        {
            std::lock_guard<std::mutex> lock(mutex);
            auto it = waiting.find(outcome->id);
            if (it == waiting.end()) continue;
            caller = it->second;
            waiting.erase(it);
        }
        if (outcome->isError)
            caller->OnProcedureError(outcome->code, outcome->message, outcome->value.get(), outcome->id);
        else caller->OnProcedureResult(outcome->value.get(), outcome->id);
    }
}

void* RequestBasedJSONRPC2Client::workerMain(void* self) {
    static_cast<RequestBasedJSONRPC2Client*>(self)->work();
    return nullptr;
}

void RequestBasedJSONRPC2Client::work() {
    while (!stopRequested) {
        Request request;
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (!requests.empty()) {
                request = std::move(requests.front());
                requests.pop_front();
                inFlight = true;
            }
        }
        if (!inFlight) {
            delay(1);
            continue;
        }
        std::unique_ptr<Outcome> outcome = interpret(request.id, sender->post(url, request.text));
        std::lock_guard<std::mutex> lock(mutex);
        if (outcome) outcomes.push_back(std::move(outcome));
        inFlight = false;
    }
}

std::unique_ptr<RequestBasedJSONRPC2Client::Outcome> RequestBasedJSONRPC2Client::interpret(
    unsigned id, const IRequestSender::Reply& reply) {
    auto outcome = std::make_unique<Outcome>();
    outcome->id = id;
    outcome->isError = true;
    outcome->code = kInvalidReply;
    if (!reply.ok) {
        outcome->code = kTransferFailed;
        outcome->message = reply.error;
        return outcome;
    }
    JSONParser parser;
    const std::string& body = reply.body;
    for (size_t i = 0; i < body.size() && parser.getStatus() == JSONParser::NEED_MORE; ++i)
        parser.parse(body[i], i + 1 < body.size() ? body[i + 1] : 0);
    std::unique_ptr<IRPCValue> value(parser.stealResult());
    if (!value) {
        std::cout << "Error while parsing JSON." << std::endl;
        outcome->message = "HTTP " + std::to_string(reply.httpStatus) + ": no JSON reply";
        return outcome;
    }
    if (value->getType() != IRPCValue::OBJECT_VALUE) {
        std::cout << "Error: Unexpected return type: " << body << std::endl;
        outcome->message = "Unexpected return type";
        return outcome;
    }
    auto* object = static_cast<ObjectValue*>(value.get());
    if (!object->get("id")) {
        std::cout << "Error: Missing id field: " << body << std::endl;
        outcome->message = "Missing id field";
        return outcome;
    }
    ObjectValue* error = object->getAs<ObjectValue>("error");
    if (!object->get("result") && !error) {
        std::cout << "Error: Missing result or error field: " << body << std::endl;
        outcome->message = "Missing result or error field";
        return outcome;
    }
    if (error) {
        IntegerValue* code = error->getAs<IntegerValue>("code");
        StringValue* message = error->getAs<StringValue>("message");
        outcome->code = code ? int(code->value) : 0;
        outcome->message = message ? message->value : std::string();
        if (auto data = error->members.find("data"); data != error->members.end())
            outcome->value = std::move(data->second);
        return outcome;
    }
    outcome->isError = false;
    outcome->value = std::move(object->members["result"]);
    return outcome;
}
