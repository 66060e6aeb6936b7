#pragma once
#include <irrlicht.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class Skin;

// One directory the pilot may choose for bulky data.
struct StorageLocationOption {
    std::string path;       // ends in "/"
    std::string name;       // shown in the list
    uint64_t freeBytes = 0;
    uint64_t totalBytes = 0;
};

// The chosen directories for images, terrain, chart data and logs, in that
// order; empty when the window was closed before OK.
using StorageLocationChoice = std::vector<std::string>;

// "12.3 GB" style text for a byte count.
std::wstring formatBytes(uint64_t bytes);

// Shown once, at the first start, when the program does not yet know where
// to keep its data. Lists the usable directories (refreshed when a medium is
// plugged in or removed, i.e. when the count of mount points changes) and
// returns only when every list has a selection and OK was pressed, or when
// the window closes.
class StorageLocationDialog : public irr::IEventReceiver {
public:
    StorageLocationDialog(irr::IrrlichtDevice* device, Skin* skin, const std::string& guiFile,
                          std::function<std::vector<StorageLocationOption>()> listDirectories,
                          std::function<size_t()> countMountPoints);
    ~StorageLocationDialog() override;

    StorageLocationChoice run();

    bool OnEvent(const irr::SEvent& event) override;

private:
    void refreshLists();
    void layOut();
    void updateFreeTexts();
    irr::gui::IGUIElement* findNamed(const char* name) const;

    irr::IrrlichtDevice* device;
    Skin* skin;
    std::function<std::vector<StorageLocationOption>()> listDirectories;
    std::function<size_t()> countMountPoints;
    irr::gui::IGUIElement* root = nullptr;
    std::array<irr::gui::IGUIComboBox*, 4> boxes{};
    std::array<irr::gui::IGUIStaticText*, 4> freeTexts{};
    irr::gui::IGUIButton* okButton = nullptr;
    std::vector<StorageLocationOption> options;
    size_t knownMountCount = 0;
    bool accepted = false;
};
