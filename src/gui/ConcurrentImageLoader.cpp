#include "gui/ConcurrentImageLoader.h"

#include <algorithm>
#include <chrono>

using namespace irr;

ConcurrentImageLoader::ConcurrentImageLoader(video::IVideoDriver* drv) : driver(drv) {
    worker = std::thread([this] { work(); });
}

ConcurrentImageLoader::~ConcurrentImageLoader() {
    stopping = true;
    worker.join();
}

int ConcurrentImageLoader::load(const std::string& path, Callback done) {
    std::lock_guard<std::mutex> lock(mutex);
    Request request;
    request.id = nextId++;
    request.path = path;
    request.done = std::move(done);
    waiting.push_back(std::move(request));
    return waiting.back().id;
}

void ConcurrentImageLoader::cancel(int id) {
    std::lock_guard<std::mutex> lock(mutex);
    const auto matches = [id](const Request& r) { return r.id == id; };
    waiting.erase(std::remove_if(waiting.begin(), waiting.end(), matches), waiting.end());
    finished.erase(std::remove_if(finished.begin(), finished.end(), matches), finished.end());
    if (decodingId == id) decodingCancelled = true;
}

size_t ConcurrentImageLoader::getPendingCount() const {
    std::lock_guard<std::mutex> lock(mutex);
    return waiting.size() + finished.size() + (decodingId != 0 && !decodingCancelled ? 1 : 0);
}

void ConcurrentImageLoader::work() {
    // Idle waiting polls every millisecond, as the program's other workers do.
    while (!stopping) {
        Request request;
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (!waiting.empty()) {
                request = std::move(waiting.front());
                waiting.pop_front();
                decodingId = request.id;
                decodingCancelled = false;
            }
        }
        if (request.id == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        request.image = decodeImageFile(request.path);
        std::lock_guard<std::mutex> lock(mutex);
        if (!decodingCancelled) finished.push_back(std::move(request));
        decodingId = 0;
    }
}

void ConcurrentImageLoader::update() {
    // One at a time, so that a callback may cancel a request delivered later
    // in the same frame.
    for (;;) {
        Request request;
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (finished.empty()) return;
            request = std::move(finished.front());
            finished.pop_front();
        }
        video::ITexture* texture = nullptr;
        if (request.image.isValid()) {
            // Loading a file twice gives the texture already made from it.
            texture = driver->findTexture(request.path.c_str());
            if (!texture) {
                video::IImage* image = driver->createImageFromData(
                    video::ECF_A8R8G8B8, core::dimension2d<u32>(request.image.width, request.image.height),
                    request.image.pixels.data(), false, false);
                texture = driver->addTexture(request.path.c_str(), image);
                image->drop();
            }
        }
        if (request.done) request.done(texture);
    }
}
