#pragma once
#include "chart/elements/IChartElement.h"

#include <memory>
#include <string>
#include <vector>

class WorldWideAreaTree;

// Writes one sub-chart: its folder with the element, offset, name, leaf and
// static data files, and its ".sci" description beside the folder. Elements
// are numbered in the order they are added.
class SubChartWriter {
public:
    SubChartWriter(std::string vendor, std::string areaName, int chartVersion = 1);

    // Returns the element's index within the sub-chart.
    uint32_t addElement(std::unique_ptr<IChartElement> element);
    size_t getElementCount() const { return elements.size(); }
    const IChartElement* getElement(uint32_t index) const { return elements[index].get(); }

    // Writes the files into chartDataFolder/folderName/ and the description
    // chartDataFolder/folderName.sci (its Location relative to it). False
    // with a message in error when a file cannot be written. A scratch tree
    // (emptied here) saves building the world-wide tree for every sub-chart.
    bool write(const std::string& chartDataFolder, const std::string& folderName, std::string& error,
               WorldWideAreaTree* scratchTree = nullptr) const;

private:
    bool writeElements(const std::string& folder, std::string& error) const;
    bool writeNames(const std::string& folder, std::string& error) const;
    bool writeAreaLeafes(const std::string& folder, std::string& error, WorldWideAreaTree& tree) const;

    std::string vendor;
    std::string areaName;
    int chartVersion;
    std::vector<std::unique_ptr<IChartElement>> elements;
};
