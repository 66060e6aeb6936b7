#include "chart/files/SubChartWriter.h"

#include "base/AtomicFile.h"
#include "base/IniFile.h"
#include "chart/files/ChartFileIO.h"
#include "chart/files/SubChart.h"
#include "chart/files/Trie.h"
#include "chart/files/WorldWideAreaTree.h"

#include <cerrno>
#include <cstring>
#include <sstream>

namespace {

bool storeFile(const std::string& path, const std::string& content, std::string& error) {
    if (!replaceFileAtomically(path, content)) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace

SubChartWriter::SubChartWriter(std::string vendor, std::string areaName, int chartVersion)
    : vendor(std::move(vendor)), areaName(std::move(areaName)), chartVersion(chartVersion) {}

uint32_t SubChartWriter::addElement(std::unique_ptr<IChartElement> element) {
    elements.push_back(std::move(element));
    return static_cast<uint32_t>(elements.size() - 1);
}

bool SubChartWriter::write(const std::string& chartDataFolder, const std::string& folderName, std::string& error,
                           WorldWideAreaTree* scratchTree) const {
    std::string base = chartDataFolder;
    if (!base.empty() && base.back() != '/')
        base.push_back('/');
    std::string folder = base + folderName + "/";
    if (!createFolders(folder)) {
        error = "cannot create " + folder + ": " + std::strerror(errno);
        return false;
    }
    std::unique_ptr<WorldWideAreaTree> ownTree;
    if (!scratchTree) {
        ownTree = std::make_unique<WorldWideAreaTree>();
        scratchTree = ownTree.get();
    }
    scratchTree->clearElements();
    if (!writeElements(folder, error) || !writeNames(folder, error) || !writeAreaLeafes(folder, error, *scratchTree))
        return false;
    IniFile description;
    description.set("", "ChartVersion", std::to_string(chartVersion));
    description.set("", "Vendor", vendor);
    description.set("", "AreaName", areaName);
    description.set("", "Location", folderName);
    if (!description.save(base + folderName + ".sci")) {
        error = "cannot write " + base + folderName + ".sci";
        return false;
    }
    return true;
}

bool SubChartWriter::writeElements(const std::string& folder, std::string& error) const {
    std::ostringstream records;
    ElementOffsetsFile offsets;
    for (const auto& element : elements) {
        auto offset = static_cast<uint64_t>(records.tellp());
        if (offset > UINT32_MAX) {
            error = "Elements.dat grows beyond 4 GB; split the input into more sub-charts";
            return false;
        }
        offsets.offsets.push_back(static_cast<uint32_t>(offset));
        element->write(records);
    }
    return storeFile(folder + ELEMENTS_FILE, records.str(), error) &&
           storeFile(folder + ELEMENT_OFFSETS_FILE, recordBytes(offsets), error);
}

bool SubChartWriter::writeNames(const std::string& folder, std::string& error) const {
    Trie names;
    for (size_t index = 0; index < elements.size(); index++) {
        const IChartElement* element = elements[index].get();
        for (int n = 0; n < element->getTrieInsertionNameCount(); n++) {
            std::string name = element->getTrieInsertionName(n);
            if (!name.empty())
                names.insert(name, static_cast<int32_t>(index));
        }
    }
    std::ostringstream out;
    names.save(out);
    return storeFile(folder + NAMES_FILE, out.str(), error);
}

bool SubChartWriter::writeAreaLeafes(const std::string& folder, std::string& error, WorldWideAreaTree& tree) const {
    for (size_t index = 0; index < elements.size(); index++)
        tree.updateAreaTree(0, elements[index].get(), static_cast<int32_t>(index));
    std::string leafes = recordBytes(AREA_LEAFES_VERSION), staticData = recordBytes(AREA_LEAFES_ACC_VERSION);
    for (int area = 0; area < WorldWideAreaTree::AREA_COUNT; area++) {
        const AreaLeaf* leaf = tree.getLeaf(area);
        if (!leaf || leaf->elements.empty())
            continue;
        const auto number = static_cast<uint32_t>(area);
        leafes += recordBytes(AreaLeafRecord{number, {leaf->elements.begin(), leaf->elements.end()}});
        staticData += recordBytes(AreaStaticDataRecord{number, leaf->staticData});
    }
    return storeFile(folder + AREA_LEAFES_FILE, leafes, error) &&
           storeFile(folder + AREA_LEAFES_ACC_FILE, staticData, error);
}
