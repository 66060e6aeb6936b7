#pragma once
#include "chart/files/AreaTree.h"
#include "chart/files/SubChart.h"

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class WorldWideAreaTree;

// One ".bg" file: a background set of one kind and the areas it has images for.
struct BackgroundDescription {
    std::string name;
    IArea::BgType kind = IArea::BG_VFR;
    bool flag = false;
    std::vector<int> areas;
    std::string folder;  // where the images lie, ends with '/'
};

// Parses the text of a ".bg" file: the name, "Placeholder", the kind word
// ("vfr", "ifr", "ifrh"), the flag (0 or 1), one area number per line and
// "Placeholder" as the last line. False with a reason on anything else.
bool parseBackgroundDescription(const std::string& text, BackgroundDescription& description, std::string& error);

// The raster background charts of the current vendor, merged per kind. An
// image covers one area of the tree and is named by the kind's prefix and the
// area number; areas without their own image whose children have images get
// a lower-resolution image computed from those (its mip-map level).
class ChartBackground {
public:
    static std::string getImageFileName(IArea::BgType kind, int area);

    void clear();
    // Adds every ".bg" file of the folder (missing folder: nothing).
    void loadFolder(const std::string& folder);
    // Adds one ".bg" file; false (and logged) when unreadable or malformed.
    bool addDescriptionFile(const std::string& path);
    void addDescription(const BackgroundDescription& description);

    // Marks, level by level from the leaves up, every area without an image
    // of its own below which images exist.
    void computeMipMapLevels(const WorldWideAreaTree& tree, const ChartProgressCallback& progress);

    const std::vector<BackgroundDescription>& getDescriptions() const { return descriptions; }
    bool hasImage(IArea::BgType kind, int area) const;
    // Has to be scaled down from the children's images.
    bool isComputed(IArea::BgType kind, int area) const;
    // Path of the area's own image; empty when there is none.
    std::string getImagePath(IArea::BgType kind, int area) const;
    size_t getImageCount(IArea::BgType kind) const { return images[kind].size(); }
    size_t getComputedCount(IArea::BgType kind) const { return computed[kind].size(); }

private:
    std::vector<BackgroundDescription> descriptions;
    std::unordered_map<int, std::string> images[IArea::BG_TYPE_COUNT];  // area -> folder
    std::unordered_set<int> computed[IArea::BG_TYPE_COUNT];
};
