#include "app/Screenshot.h"

#include "gui/FrameCapture.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>


std::string saveScreenshot(irr::video::IVideoDriver* driver, const std::string& directory) {
    if (!driver) return "";
    std::string dir = directory;
    if (dir.empty() || dir.back() != '/') dir += '/';
    ::mkdir(dir.c_str(), 0770);

    char stamp[64];
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
    // Several screenshots in one second get a counter rather than overwrite.
    std::string path = dir + "screenshot_" + stamp + ".png";
    for (int n = 1; ::access(path.c_str(), F_OK) == 0; ++n) {
        path = dir + "screenshot_" + stamp + "_" + std::to_string(n) + ".png";
    }

    irr::video::IImage* image = captureFrame(driver);
    if (!image) return "";
    const bool written = driver->writeImageToFile(image, path.c_str());
    image->drop();
    return written ? path : "";
}
