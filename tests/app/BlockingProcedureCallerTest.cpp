// Waiting for a remote procedure with the window alive, against a client
// whose answers the test times.
#include <gtest/gtest.h>

#include <memory>

#include "app/BlockingProcedureCaller.h"
#include "support/TestAppContext.h"

namespace {

// Answers the one call after a number of updates: a result, an error, or
// nothing at all.
class ScriptedClient : public IRPC {
public:
    enum Answer { RESULT, ERROR, SILENCE };
    ScriptedClient(Answer answer, int updatesUntilAnswer) : answer(answer), left(updatesUntilAnswer) {}

    unsigned callRemoteProcedure(const std::string& method, const std::vector<IRPCValue*>& params,
                                 IRemoteProcedureCaller* c) override {
        called = method;
        for (IRPCValue* p : params) delete p;
        caller = c;
        return ++id;
    }
    void registerCallReceiver(const std::string&, IRemoteProcedureCallReceiver*) override {}
    void unregisterCallReceiver(const std::string&, IRemoteProcedureCallReceiver*) override {}
    void removeProcedureCaller(IRemoteProcedureCaller* c) override {
        if (c == caller) caller = nullptr, removed = true;
    }
    void update() override {
        ++updates;
        if (!caller || --left > 0 || answer == SILENCE) return;
        // A stale answer to an earlier call first: it must be ignored.
        DoubleValue stale(1.0);
        caller->OnProcedureResult(&stale, id - 1);
        DoubleValue value(42.5);
        if (answer == RESULT) caller->OnProcedureResult(&value, id);
        else caller->OnProcedureError(-32601, "Method not found", nullptr, id);
        caller = nullptr;
    }

    Answer answer;
    int left;
    unsigned id = 7;
    int updates = 0;
    bool removed = false;
    std::string called;
    IRemoteProcedureCaller* caller = nullptr;
};

}  // namespace

TEST(BlockingProcedureCaller, WaitsWithTheWindowAliveForAResultAnErrorOrItsTimeOut) {
    irr::IrrlichtDevice* device = createTestWindow(320, 240);
    ASSERT_NE(device, nullptr) << "needs an X display: run the suite under xvfb-run";
    BlockingProcedureCaller waiter(device, std::string(CIRRONA_BINARY_DIR) + "/cirrona-home/media/waiting.png");

    ScriptedClient answering(ScriptedClient::RESULT, 4);
    BlockingProcedureCaller::Outcome got = waiter.call(answering, "licence.check", {new DoubleValue(1.0)}, 10.0);
    ASSERT_TRUE(got.ok);
    EXPECT_EQ(answering.called, "licence.check");
    EXPECT_EQ(got.result->getType(), IRPCValue::DOUBLE_VALUE);
    EXPECT_EQ(static_cast<DoubleValue*>(got.result.get())->value, 42.5);
    EXPECT_EQ(waiter.getFramesDrawn(), 3);  // one frame per update without an answer

    ScriptedClient refusing(ScriptedClient::ERROR, 1);
    got = waiter.call(refusing, "no.such", {}, 10.0);
    EXPECT_FALSE(got.ok);
    EXPECT_EQ(got.errorCode, -32601);
    EXPECT_EQ(got.errorMessage, "Method not found");

    ScriptedClient silent(ScriptedClient::SILENCE, 1);
    got = waiter.call(silent, "slow.service", {}, 0.3);
    EXPECT_FALSE(got.ok);
    EXPECT_EQ(got.errorCode, BlockingProcedureCaller::kTimedOut);
    EXPECT_TRUE(silent.removed);  // a late answer goes nowhere
    EXPECT_GT(silent.updates, 2);
    device->drop();
}
