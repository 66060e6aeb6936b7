#pragma once
#include "chart/elements/ElementFactories.h"
#include "chart/files/AreaLeafFiles.h"
#include "chart/files/IIndexCorrectionCallback.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class IniFile;
class Trie;
class WorldWideAreaTree;

// File names inside a sub-chart folder.
constexpr const char* ELEMENTS_FILE = "Elements.dat";
constexpr const char* ELEMENT_OFFSETS_FILE = "ElementOffsets.dat";
constexpr const char* NAMES_FILE = "Names.dat";
constexpr const char* AREA_LEAFES_FILE = "AreaLeafes.dat";
constexpr const char* AREA_LEAFES_ACC_FILE = "AreaLeafesAcc.dat";
constexpr const char* DIRTY_SUFFIX = ".dirty";
constexpr uint32_t ELEMENT_OFFSETS_VERSION = 2;

// "ElementOffsets.dat": the format version, then the count and the offset of
// every element record in "Elements.dat".
struct ElementOffsetsFile {
    uint32_t version = ELEMENT_OFFSETS_VERSION;
    std::vector<uint32_t> offsets;

    template <class Visitor>
    void fields(Visitor& v) { v(version, offsets); }
};

// Reports long work: a text for the pilot and the fraction done (0 to 1).
using ChartProgressCallback = std::function<void(const std::string& text, double fraction)>;

// One region of the installed chart data: its elements on disk, read one at
// a time on demand, its leaf lists and its part of the search index.
class SubChart {
public:
    // Reads the description (".sci") and the offsets. Offsets that decrease
    // mean the data are broken beyond use: that is logged and the program
    // ends with exit status 1. Other problems leave a sub-chart that holds
    // no elements (see getError()).
    SubChart(const std::string& descriptionPath, const IniFile& description, int number,
             const ChartElementFactoryList& factories);
    ~SubChart();
    SubChart(const SubChart&) = delete;
    SubChart& operator=(const SubChart&) = delete;

    int getNumber() const { return number; }
    const std::string& getVendor() const { return vendor; }
    const std::string& getAreaName() const { return areaName; }
    const std::string& getLocation() const { return location; }
    int getChartVersion() const { return chartVersion; }
    uint32_t getElementCount() const { return static_cast<uint32_t>(offsets.size()); }
    // The offsets file has another version than this program reads.
    bool needsDataUpdate() const { return dataUpdateNeeded; }
    // Empty, or why the sub-chart holds no elements.
    const std::string& getError() const { return error; }

    // Null for an index beyond the count, an unknown type code or a record
    // that does not read. The caller owns the element.
    std::unique_ptr<IChartElement> loadChartElement(uint32_t index);

    // Appends this sub-chart's leaf lists and their static data to the tree,
    // recomputing and rewriting the static data when they are missing, of
    // another version, marked dirty, or do not match the leaf lists.
    void mergeAreaTree(WorldWideAreaTree& tree, const ChartProgressCallback& progress);
    // Merges "Names.dat" into the search index; false when missing or corrupt.
    bool mergeTrie(Trie& trie);

    std::string getFilePath(const char* name) const { return location + name; }

private:
    using LeafRecord = AreaLeafRecord;
    bool readOffsets();
    bool readLeafRecords(std::vector<LeafRecord>& records, const WorldWideAreaTree& tree) const;
    bool readStaticData(const std::vector<LeafRecord>& records, std::vector<std::vector<char>>& staticData) const;
    void computeStaticData(const std::vector<LeafRecord>& records, std::vector<std::vector<char>>& staticData,
                           const ChartProgressCallback& progress);
    bool writeStaticData(const std::vector<LeafRecord>& records, const std::vector<std::vector<char>>& staticData) const;

    int number;
    const ChartElementFactoryList& factories;
    SubChartIndexCorrection indexCorrection;
    std::string vendor;
    std::string areaName;
    std::string location;  // ends with '/'
    int chartVersion = 0;
    bool dataUpdateNeeded = false;
    std::string error;
    std::vector<uint32_t> offsets;
    // "Elements.dat" stays mapped for the sub-chart's life: a record is read
    // in place, without a system call per element.
    const char* elements = nullptr;
    uint64_t elementsLength = 0;
};
