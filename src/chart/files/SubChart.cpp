#include "chart/files/SubChart.h"

#include "base/AtomicFile.h"
#include "base/IniFile.h"
#include "base/Logger.h"
#include "base/StringConversions.h"
#include "chart/files/ChartFileIO.h"
#include "chart/files/Trie.h"
#include "chart/files/WorldWideAreaTree.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <sstream>
#include <unordered_map>

namespace {

std::string folderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string withTrailingSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder.push_back('/');
    return folder;
}

}  // namespace

SubChart::SubChart(const std::string& descriptionPath, const IniFile& description, int number,
                   const ChartElementFactoryList& factories)
    : number(number), factories(factories), indexCorrection(number) {
    vendor = description.get("", "Vendor");
    areaName = description.get("", "AreaName");
    chartVersion = convertStringTo<int>(description.get("", "ChartVersion", "0"));
    std::string folder = description.get("", "Location");
    if (folder.empty() || folder.front() != '/')
        folder = folderOf(descriptionPath) + folder;
    location = withTrailingSlash(folder);

    if (!readOffsets()) {
        offsets.clear();
        return;
    }
    int file = open(getFilePath(ELEMENTS_FILE).c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (file < 0 || fstat(file, &info) != 0) {
        error = "cannot open " + getFilePath(ELEMENTS_FILE);
        logMessage("SubChart: " + error);
        offsets.clear();
        if (file >= 0)
            close(file);
        return;
    }
    elementsLength = static_cast<uint64_t>(info.st_size);
    if (elementsLength > 0) {
        void* mapped = mmap(nullptr, elementsLength, PROT_READ, MAP_PRIVATE, file, 0);
        if (mapped == MAP_FAILED) {
            error = "cannot map " + getFilePath(ELEMENTS_FILE);
            logMessage("SubChart: " + error);
            offsets.clear();
            elementsLength = 0;
        } else {
            elements = static_cast<const char*>(mapped);
        }
    }
    close(file);
}

SubChart::~SubChart() {
    if (elements)
        munmap(const_cast<char*>(elements), elementsLength);
}

bool SubChart::readOffsets() {
    std::vector<char> content;
    if (!readWholeFile(getFilePath(ELEMENT_OFFSETS_FILE), content)) {
        error = "cannot read " + getFilePath(ELEMENT_OFFSETS_FILE);
        logMessage("SubChart: " + error);
        return false;
    }
    ElementOffsetsFile file{0, {}};
    RecordReader reader(content.data(), content.size());
    reader(file);
    if (reader.consumed() == 0) {
        error = "empty " + getFilePath(ELEMENT_OFFSETS_FILE);
        logMessage("SubChart: " + error);
        return false;
    }
    if (file.version != ELEMENT_OFFSETS_VERSION) {
        dataUpdateNeeded = true;
        error = "data format version " + std::to_string(file.version) + " in " + getFilePath(ELEMENT_OFFSETS_FILE);
        logMessage("SubChart: " + error);
        return false;
    }
    if (!reader.ok() || file.offsets.size() > SUBCHART_INDEX_MASK + 1u) {
        error = "truncated " + getFilePath(ELEMENT_OFFSETS_FILE);
        logMessage("SubChart: " + error);
        return false;
    }
    offsets = std::move(file.offsets);
    for (size_t i = 1; i < offsets.size(); i++) {
        if (offsets[i] < offsets[i - 1]) {
            // The element lookup relies on the order; data like this come
            // from a broken installation and cannot be trusted at all.
            logMessage("Monotony in offsets broken! Bad data!");
            std::exit(1);
        }
    }
    return true;
}

std::unique_ptr<IChartElement> SubChart::loadChartElement(uint32_t index) {
    if (index >= offsets.size() || !elements)
        return nullptr;
    uint64_t begin = offsets[index];
    uint64_t end = index + 1 < offsets.size() ? offsets[index + 1] : elementsLength;
    if (end > elementsLength || begin >= end)
        return nullptr;
    return readChartElementRecord(factories, elements + begin, static_cast<unsigned>(end - begin), &indexCorrection);
}

bool SubChart::readLeafRecords(std::vector<LeafRecord>& records, const WorldWideAreaTree& tree) const {
    std::vector<char> content;
    if (!readWholeFile(getFilePath(AREA_LEAFES_FILE), content))
        return false;
    bool truncated = false;
    if (!parseAreaLeafes(content, [&tree](uint32_t area) { return tree.getLeaf(static_cast<int>(area)) != nullptr; },
                         records, truncated)) {
        logMessage("SubChart: unknown version of " + getFilePath(AREA_LEAFES_FILE));
        return false;
    }
    if (truncated)
        logMessage("SubChart: truncated " + getFilePath(AREA_LEAFES_FILE));
    return true;
}

void SubChart::mergeAreaTree(WorldWideAreaTree& tree, const ChartProgressCallback& progress) {
    logMessage("Merge Area Leafes: " + areaName + ", leafPath: " + getFilePath(AREA_LEAFES_FILE));
    std::vector<LeafRecord> records;
    if (offsets.empty() || !readLeafRecords(records, tree))
        return;

    std::string accPath = getFilePath(AREA_LEAFES_ACC_FILE);
    std::string dirtyPath = accPath + DIRTY_SUFFIX;
    IniFile dirtyFile(dirtyPath);
    bool dirty = dirtyFile.get("", "dirty") == "1";
    std::vector<std::vector<char>> staticData;
    if (dirty)
        logMessage("DIRTY!!! Static Data for " + areaName);
    if (dirty || !readStaticData(records, staticData)) {
        computeStaticData(records, staticData, progress);
        if (writeStaticData(records, staticData) && dirty) {
            dirtyFile.set("", "dirty", "0");
            dirtyFile.save(dirtyPath);
        }
    }

    for (size_t r = 0; r < records.size(); r++) {
        AreaLeaf* leaf = tree.getLeaf(static_cast<int>(records[r].area));
        const std::vector<uint32_t>& entries = records[r].entries;
        leaf->elements.reserve(leaf->elements.size() + entries.size());
        for (uint32_t entry : entries)
            leaf->elements.push_back(makeChartElementIdentifier(number, static_cast<int32_t>(entry & SUBCHART_INDEX_MASK)));
        leaf->staticData.insert(leaf->staticData.end(), staticData[r].begin(), staticData[r].end());
    }
}

bool SubChart::readStaticData(const std::vector<LeafRecord>& records, std::vector<std::vector<char>>& staticData) const {
    std::vector<char> content;
    if (!readWholeFile(getFilePath(AREA_LEAFES_ACC_FILE), content))
        return false;
    if (!parseAreaLeafesAcc(content, records, staticData)) {
        logMessage("SubChart: static data do not match the leaves in " + getFilePath(AREA_LEAFES_ACC_FILE));
        return false;
    }
    return true;
}

void SubChart::computeStaticData(const std::vector<LeafRecord>& records, std::vector<std::vector<char>>& staticData,
                                 const ChartProgressCallback& progress) {
    logMessage("Calculating static chart acceleration data...");
    // Elements lie in several leaves; each one is loaded once.
    std::unordered_map<uint32_t, std::array<char, 3>> known;
    staticData.assign(records.size(), {});
    for (size_t r = 0; r < records.size(); r++) {
        if (progress && r % 256 == 0)
            progress("Calculating static chart acceleration data...", static_cast<double>(r) / records.size());
        staticData[r].reserve(3 * records[r].entries.size());
        for (uint32_t entry : records[r].entries) {
            uint32_t index = entry & SUBCHART_INDEX_MASK;
            auto found = known.find(index);
            if (found == known.end()) {
                std::array<char, 3> bytes{0, 0, 0};
                std::unique_ptr<IChartElement> element = loadChartElement(index);
                if (element) {
                    element->writeStaticData(bytes.data());
                } else {
                    char message[160];
                    std::snprintf(message, sizeof(message),
                                  "Something is wrong with the SubChart. Could not load element: %i (%i)",
                                  static_cast<int>(index), number);
                    logMessage(message);
                }
                found = known.emplace(index, bytes).first;
            }
            staticData[r].insert(staticData[r].end(), found->second.begin(), found->second.end());
        }
    }
}

bool SubChart::writeStaticData(const std::vector<LeafRecord>& records,
                               const std::vector<std::vector<char>>& staticData) const {
    std::ostringstream out;
    writeRecord(out, AREA_LEAFES_ACC_VERSION);
    for (size_t r = 0; r < records.size(); r++)
        writeRecord(out, AreaStaticDataRecord{records[r].area, staticData[r]});
    if (!replaceFileAtomically(getFilePath(AREA_LEAFES_ACC_FILE), out.str())) {
        logMessage("SubChart: cannot write " + getFilePath(AREA_LEAFES_ACC_FILE));
        return false;
    }
    return true;
}

bool SubChart::mergeTrie(Trie& trie) {
    if (!trie.mergeLoad(getFilePath(NAMES_FILE), &indexCorrection)) {
        logMessage("SubChart: missing or corrupt " + getFilePath(NAMES_FILE));
        return false;
    }
    return true;
}
