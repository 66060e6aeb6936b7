#pragma once
#include <irrlicht.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/AppPaths.h"
#include "app/MountPoints.h"

class ICommonAppContext;
class Drawer2D;
class FlexibleFont;
class FlexibleFontManager;
class Skin;

class SystemManager;
// A start-up problem the program cannot get past (too little memory, no
// usable data directory): the message stays on screen until the window is
// closed, then the process ends.
[[noreturn]] void abortInitWithError(SystemManager* manager, const std::wstring& message);
enum class ScreenModePreference { AUTO, LANDSCAPE, PORTRAIT };

// Knows where everything lives: the application home with its media/ and
// data/ trees and the four storage locations for bulky data. Creates the
// directory tree and default files at the first start of a version, checks
// the memory, and owns the skin with its default font.
class SystemManager {
public:
    SystemManager(ICommonAppContext* context, Drawer2D* drawer, const char* argv0, FlexibleFontManager* fonts);
    ~SystemManager();

    std::string getAbsolutePath(std::string relative) const { return paths.getAbsolutePath(relative); }
    const std::string& getAppHome() const { return paths.getAppHome(); }
    const std::string& getImagePath() const { return paths.getImagePath(); }
    const std::string& getTerrainPath() const { return paths.getTerrainPath(); }
    const std::string& getDataPath() const { return paths.getDataPath(); }
    const std::string& getLogPath() const { return paths.getLogPath(); }
    void setImagePath(const std::string& p) { paths.setImagePath(p); }
    void setTerrainPath(const std::string& p) { paths.setTerrainPath(p); }
    void setDataPath(const std::string& p) { paths.setDataPath(p); }
    void setLogPath(const std::string& p) { paths.setLogPath(p); }

    void writeStandardConfig();
    // Writes the four storage locations back to data/data.ini.
    void savePaths();

    std::vector<MountPoint> getUsableMountPoints() const;
    std::vector<MountPoint> getUsableDirs() const;
    size_t getUsableDirCount() const { return getUsableDirs().size(); }
    static uint64_t getFreeSpace(const char* path);
    static uint64_t getSystemMemory();
    static unsigned getCPUCoreCount();
    static bool mkdir(const std::string& path);
    static bool fileExists(const std::string& path);

    void setScreenModePreference(ScreenModePreference preference);

    Skin* getSkin() const { return skin.get(); }
    FlexibleFont* getDefaultFont() const { return defaultFont; }
    irr::IrrlichtDevice* getDevice() const { return device; }

private:
    friend void abortInitWithError(SystemManager* manager, const std::wstring& message);

    void readStoragePaths();
    std::vector<std::string> chooseStorageLocations();

    ICommonAppContext* context;
    irr::IrrlichtDevice* device;
    Drawer2D* drawer;
    FlexibleFontManager* fonts;
    StoragePaths paths;
    std::unique_ptr<Skin> skin;
    FlexibleFont* defaultFont = nullptr;
};

// Loads a scalable font from media/sdff/fonts/<name>.ttf at a size fitting
// the screen; null when the file is missing.
// The default text height in pixels for the screen the driver draws on.
unsigned defaultTextPixelSize(irr::video::IVideoDriver* driver);
FlexibleFont* LoadFFont(SystemManager* manager, FlexibleFontManager* fonts, const std::string& name);
