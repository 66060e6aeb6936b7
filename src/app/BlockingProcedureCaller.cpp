#include "app/BlockingProcedureCaller.h"

#include <algorithm>

#include "base/Time.h"

using namespace irr;

namespace {
// Frames while waiting: often enough for the picture to look alive, seldom
// enough to leave the processor to the network.
constexpr uint32_t kFrameMs = 40;
}  // namespace

BlockingProcedureCaller::BlockingProcedureCaller(IrrlichtDevice* device, const std::string& waitingImage)
    : device(device) {
    if (device && device->getFileSystem()->existFile(waitingImage.c_str()))
        waiting = device->getVideoDriver()->getTexture(waitingImage.c_str());
}

BlockingProcedureCaller::Outcome BlockingProcedureCaller::call(IRPC& client, const std::string& method,
                                                               const std::vector<IRPCValue*>& params,
                                                               double timeoutSeconds) {
    answered = false;
    outcome = Outcome();
    frames = 0;
    pendingId = client.callRemoteProcedure(method, params, this);
    const double deadline = getSecs() + timeoutSeconds;
    while (!answered && getSecs() < deadline && (!device || device->run())) {
        client.update();
        if (answered) break;
        drawWaitingFrame();
        delay(kFrameMs);
    }
    if (!answered) {
        // A late reply must not reach a caller that has moved on.
        client.removeProcedureCaller(this);
        outcome.ok = false;
        outcome.errorCode = kTimedOut;
        outcome.errorMessage = "No answer from " + method + " in time.";
    }
    return std::move(outcome);
}

void BlockingProcedureCaller::OnProcedureResult(IRPCValue* result, unsigned callId) {
    if (callId != pendingId || answered) return;
    answered = true;
    outcome.ok = true;
    outcome.result.reset(result ? result->createNewCopy() : nullptr);
}

void BlockingProcedureCaller::OnProcedureError(int code, const std::string& message, IRPCValue*, unsigned callId) {
    if (callId != pendingId || answered) return;
    answered = true;
    outcome.ok = false;
    outcome.errorCode = code;
    outcome.errorMessage = message;
}

void BlockingProcedureCaller::drawWaitingFrame() {
    if (!device) return;
    video::IVideoDriver* driver = device->getVideoDriver();
    const core::dimension2d<u32> screen = driver->getScreenSize();
    driver->beginScene(true, true, video::SColor(255, 20, 24, 30));
    if (waiting) {
        const core::dimension2d<u32> size = waiting->getOriginalSize();
        const s32 side = std::min<s32>(std::min(screen.Width, screen.Height) / 4, std::max(size.Width, size.Height));
        const core::position2d<s32> centre(screen.Width / 2, screen.Height / 2);
        driver->draw2DImage(waiting, core::rect<s32>(centre.X - side / 2, centre.Y - side / 2, centre.X + side / 2,
                                                     centre.Y + side / 2),
                            core::rect<s32>(0, 0, size.Width, size.Height), nullptr, nullptr, true);
    }
    driver->endScene();
    ++frames;
}
