#include "app/SystemManager.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/Version.h"
#include "base/DataLocationsFile.h"
#include "base/FileUtils.h"
#include "app/FirstStart.h"
#include "app/ICommonAppContext.h"
#include "app/MemoryCheck.h"
#include "app/ShutdownSignal.h"
#include "app/config/StandardConfig.h"
#include "app/StorageLocationDialog.h"
#include "base/Time.h"
#include "gui/FlexibleFont.h"
#include "gui/Skin.h"

using namespace irr;

SystemManager::SystemManager(ICommonAppContext* ctx, Drawer2D* drw, const char* argv0, FlexibleFontManager* fontManager)
    : context(ctx), device(ctx->getIrrlichtDevice()), drawer(drw), fonts(fontManager) {
    std::string home = getCurrentDirectoryWithSlash();
    std::printf("cdir: %s\n", home.c_str());
    if (argv0) home = getAppHomePathFromArgV0(argv0);
    paths.setAppHome(home);
    std::printf("apphome: %s\n", paths.getAppHome().c_str());

    skin = std::make_unique<Skin>(device->getGUIEnvironment(), Skin::MODERN_DARK);

    const std::wstring memoryError = checkSystemMemory();
    if (!memoryError.empty()) abortInitWithError(this, memoryError);

    const FirstStartOutcome firstStart = runFirstStartOfVersion(paths.getAppHome(), [this](StorageLocations* chosen) {
        const std::vector<std::string> choice = chooseStorageLocations();
        if (choice.size() != 4) return false;
        *chosen = StorageLocations{choice[0], choice[1], choice[2], choice[3]};
        return true;
    });
    if (firstStart.result == FirstStartOutcome::FAILED) abortInitWithError(this, firstStart.errorMessage);
    if (firstStart.result == FirstStartOutcome::CANCELLED) {
        // The window was closed in the storage dialog: nothing was chosen, so
        // there is nowhere to work; the question comes again next start.
        std::exit(0);
    }

    readStoragePaths();
    defaultFont = LoadFFont(this, fonts, "Roboto");
    if (defaultFont) skin->setDefaultFont(defaultFont);
}

SystemManager::~SystemManager() = default;

void SystemManager::readStoragePaths() {
    StorageLocations locations;
    readStorageLocations(paths.getAbsolutePath("data/data.ini"), &locations);
    createStorageTrees(locations);
    paths.setFromLocations(locations);
}

std::vector<std::string> SystemManager::chooseStorageLocations() {
    // The dialog comes before the rest of start-up; give it the readable
    // scalable font rather than the engine's tiny built-in one.
    if (FlexibleFont* font = LoadFFont(this, fonts, "Roboto")) skin->setDefaultFont(font);
    StorageLocationDialog dialog(
        device, skin.get(), paths.getAbsolutePath("media/GUI/location.gui"),
        [this] {
            std::vector<StorageLocationOption> options;
            for (const MountPoint& m : getUsableDirs()) options.push_back({m.path, m.name, m.freeBytes, m.totalBytes});
            return options;
        },
        [] { return ::getUsableMountPoints().size(); });
    std::vector<std::string> choice = dialog.run();
    if (choice.size() == 4) std::printf("Data saved at: %s\n", choice[2].c_str());
    return choice;
}

void SystemManager::writeStandardConfig() { writeStandardConfigFile(paths.getAppHome()); }

void SystemManager::savePaths() {
    // The held paths end in ".Cirrona/"; data.ini keeps the base directories.
    auto base = [](const std::string& path) {
        const std::string suffix = storageDirectorySuffix();
        if (path.size() >= suffix.size() && path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0)
            return path.substr(0, path.size() - suffix.size());
        return path;
    };
    writeStorageLocations(paths.getAbsolutePath("data/data.ini"),
                          StorageLocations{base(paths.getImagePath()), base(paths.getTerrainPath()),
                                           base(paths.getDataPath()), base(paths.getLogPath())});
}

std::vector<MountPoint> SystemManager::getUsableMountPoints() const { return ::getUsableMountPoints(); }
std::vector<MountPoint> SystemManager::getUsableDirs() const { return ::getUsableDirs(); }
uint64_t SystemManager::getFreeSpace(const char* path) { return ::getFreeSpace(path); }
uint64_t SystemManager::getSystemMemory() { return ::getSystemMemory(); }
unsigned SystemManager::getCPUCoreCount() { return ::getCPUCoreCount(); }
bool SystemManager::mkdir(const std::string& path) { return createDirectory(path); }
bool SystemManager::fileExists(const std::string& path) { return ::fileExists(path); }

void SystemManager::setScreenModePreference(ScreenModePreference) {
    // The window decides the orientation on a desktop; say so rather than
    // silently ignoring the request.
    const wchar_t* text = L"Manual screen orientation changes are not supported on desktop operating systems.";
    device->getGUIEnvironment()->addMessageBox(L"Cirrona", text);
}

unsigned defaultTextPixelSize(video::IVideoDriver* driver) {
    const core::dimension2d<u32> screen = driver->getScreenSize();
    // Text height follows the screen like the buttons do.
    const double d = std::sqrt(static_cast<double>(screen.Width) * screen.Height);
    return static_cast<unsigned>(std::max(12.0, std::round(0.028 * d)));
}

FlexibleFont* LoadFFont(SystemManager* manager, FlexibleFontManager* fonts, const std::string& name) {
    if (!manager || !fonts) return nullptr;
    return fonts->getFont(manager->getAbsolutePath("media/sdff/fonts/" + name + ".ttf"),
                          defaultTextPixelSize(manager->getDevice()->getVideoDriver()));
}

void abortInitWithError(SystemManager* manager, const std::wstring& message) {
    std::fprintf(stderr, "%ls\n", message.c_str());
    IrrlichtDevice* device = manager ? manager->device : nullptr;
    if (device) {
        FlexibleFont* font = LoadFFont(manager, manager->fonts, "Roboto");
        if (font && manager->skin) manager->skin->setDefaultFont(font);
        gui::IGUIFont* drawFont = font ? static_cast<gui::IGUIFont*>(font) : device->getGUIEnvironment()->getBuiltInFont();
        video::IVideoDriver* driver = device->getVideoDriver();
        while (device->run() && !isShutdownRequested()) {
            driver->beginScene(true, true, video::SColor(255, 0, 0, 0));
            drawFont->draw(message.c_str(), driver->getViewPort(), video::SColor(255, 255, 255, 255), true, true);
            driver->endScene();
            delay(100);
        }
    }
    std::exit(0);
}
