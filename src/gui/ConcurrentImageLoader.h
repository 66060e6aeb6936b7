#pragma once
#include <irrlicht.h>

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "gui/logic/ImageDecoder.h"

// Loads PNG and JPEG images without stalling the frame: a worker thread
// reads and decodes the files, the main thread turns the pixels into
// textures in update() (the driver may only be used there) and hands each to
// the caller's callback. Photos of several megapixels take longer to decode
// than many frames last.
class ConcurrentImageLoader {
public:
    // Called on the main thread, from update(), with the new texture (owned
    // by the driver, named after the file) or null when the file could not
    // be decoded.
    using Callback = std::function<void(irr::video::ITexture* texture)>;

    explicit ConcurrentImageLoader(irr::video::IVideoDriver* driver);
    // Stops the worker; callbacks still waiting are not called.
    ~ConcurrentImageLoader();

    // Queues the file; returns the request's id for cancel().
    int load(const std::string& path, Callback done);
    // The callback of that request will not be called (if it has not been
    // already); a decode under way finishes and is thrown away.
    void cancel(int id);

    // Once per frame on the main thread.
    void update();

    // Requests neither delivered nor cancelled.
    size_t getPendingCount() const;

private:
    struct Request {
        int id = 0;
        std::string path;
        Callback done;
        DecodedImage image;
    };
    void work();

    irr::video::IVideoDriver* driver;
    mutable std::mutex mutex;
    std::deque<Request> waiting;   // to decode, oldest first
    std::deque<Request> finished;  // decoded, for update()
    int decodingId = 0;            // the request on the worker, 0 when none
    bool decodingCancelled = false;
    int nextId = 1;
    std::atomic<bool> stopping{false};
    std::thread worker;
};
