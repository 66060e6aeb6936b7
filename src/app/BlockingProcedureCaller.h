#pragma once
#include <irrlicht.h>

#include <memory>
#include <string>
#include <vector>

#include "net/json/RPC.h"
#include "net/json/RPCValue.h"

// Calls a remote procedure and waits for its outcome, for the few places
// that cannot go on without it (a licence check, a data download answer).
// The screen stays alive meanwhile: the window keeps running and shows the
// waiting picture over a dimmed screen, so the system never takes the
// program for hung, and a wait never outlasts its time-out.
class BlockingProcedureCaller : public IRemoteProcedureCaller {
public:
    struct Outcome {
        bool ok = false;
        std::unique_ptr<IRPCValue> result;  // when ok
        int errorCode = 0;                  // otherwise
        std::string errorMessage;
    };
    // What no reply within the time-out gives.
    static constexpr int kTimedOut = -32001;

    // waitingImage: the picture shown while waiting (media/waiting.png);
    // none is drawn when it cannot be loaded.
    BlockingProcedureCaller(irr::IrrlichtDevice* device, const std::string& waitingImage);

    // Sends method(params) through the client (which takes the values) and
    // returns its outcome, or kTimedOut after timeoutSeconds.
    Outcome call(IRPC& client, const std::string& method, const std::vector<IRPCValue*>& params,
                 double timeoutSeconds);
    // Frames drawn while waiting in the last call.
    int getFramesDrawn() const { return frames; }

    void OnProcedureResult(IRPCValue* result, unsigned callId) override;
    void OnProcedureError(int code, const std::string& message, IRPCValue* data, unsigned callId) override;

private:
    void drawWaitingFrame();

    irr::IrrlichtDevice* device;
    irr::video::ITexture* waiting = nullptr;
    unsigned pendingId = 0;
    bool answered = false;
    Outcome outcome;
    int frames = 0;
};
