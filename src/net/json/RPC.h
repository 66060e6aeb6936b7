#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "net/json/RPCValue.h"

class ICommunicationEndpoint;

// Receives the outcome of one remote call, on the thread that calls the
// client's update(). The values belong to the client and live for the call.
class IRemoteProcedureCaller {
public:
    virtual void OnProcedureResult(IRPCValue* result, unsigned callId) = 0;
    virtual void OnProcedureError(int code, const std::string& message, IRPCValue* data, unsigned callId) = 0;
    virtual ~IRemoteProcedureCaller() = default;
};

// A caller made of two callables.
class ProcedureCallAdapter : public IRemoteProcedureCaller {
public:
    using OnResult = std::function<void(IRPCValue* result, unsigned callId)>;
    using OnError = std::function<void(int code, const std::string& message, IRPCValue* data, unsigned callId)>;

    ProcedureCallAdapter(OnResult onResult, OnError onError)
        : resultHandler(std::move(onResult)), errorHandler(std::move(onError)) {}
    void OnProcedureResult(IRPCValue* result, unsigned callId) override {
        if (resultHandler) resultHandler(result, callId);
    }
    void OnProcedureError(int code, const std::string& message, IRPCValue* data, unsigned callId) override {
        if (errorHandler) errorHandler(code, message, data, callId);
    }

private:
    OnResult resultHandler;
    OnError errorHandler;
};

// Receives the incoming calls of a registered method, on the thread that
// calls update(). Returns the result to send back (the client takes it), or
// null to send null.
class IRemoteProcedureCallReceiver {
public:
    virtual IRPCValue* OnProcedureCall(const std::string& method, ArrayValue* params) = 0;
    virtual ~IRemoteProcedureCallReceiver() = default;
};

// Runs once on a fresh connection before any JSON: may exchange bytes of its
// own with the peer and refuse the connection.
class IMetaProtocolHandler {
public:
    virtual bool tryNegotiate(ICommunicationEndpoint* endpoint) = 0;
    // Whether everything after the negotiation is compressed.
    virtual bool useCompression() = 0;
    virtual ~IMetaProtocolHandler() = default;
};

class IRPC {
public:
    // Sends method(params) (the client takes the values) and returns the
    // call's id; the outcome reaches `caller` in a later update().
    virtual unsigned callRemoteProcedure(const std::string& method, const std::vector<IRPCValue*>& params,
                                         IRemoteProcedureCaller* caller) = 0;
    virtual void registerCallReceiver(const std::string& method, IRemoteProcedureCallReceiver* receiver) = 0;
    virtual void unregisterCallReceiver(const std::string& method, IRemoteProcedureCallReceiver* receiver) = 0;
    // The caller gets nothing more; its outstanding calls are forgotten.
    virtual void removeProcedureCaller(IRemoteProcedureCaller* caller) = 0;
    // Delivers what arrived since the last call. Main thread.
    virtual void update() = 0;
    virtual ~IRPC() = default;
};

class IMinimalRPCClient : public IRPC {
public:
    virtual int getState() = 0;
    virtual bool isConnected() = 0;
};

class IRPCClient : public IMinimalRPCClient {
public:
    virtual void disconnect() = 0;
    // address: "host:port". The handler (may be null) stays the caller's.
    virtual void connect(const std::string& address, int pingPeriodMs, int pingTimeoutMs, int connectTimeoutMs,
                         IMetaProtocolHandler* metaProtocolHandler) = 0;
    // Waits (up to a second) until every queued message was sent.
    virtual void flush() = 0;
};
