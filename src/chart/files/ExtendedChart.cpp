#include "chart/files/ExtendedChart.h"

#include "base/IniFile.h"
#include "chart/files/ChartFileIO.h"
#include "base/Logger.h"

#include <algorithm>
#include <unordered_set>

namespace {

// At most this many sub-charts fit the 8 bits of an identifier.
constexpr int MAX_SUBCHARTS = 256;

}  // namespace

namespace {

std::string asFolder(std::string path) {
    if (!path.empty() && path.back() != '/')
        path.push_back('/');
    return path;
}

}  // namespace

ExtendedChart::ExtendedChart(std::string appHome, size_t elementCacheSize, size_t textureCacheSize,
                             const ChartElementFactoryList* givenFactories, std::string chartDataPath)
    : dataRoot(asFolder(std::move(appHome))),
      dataPath(chartDataPath.empty() ? dataRoot : asFolder(std::move(chartDataPath))),
      ownFactories(givenFactories ? ChartElementFactoryList() : createChartElementFactories()),
      factories(givenFactories ? *givenFactories : ownFactories),
      elementCache(elementCacheSize),
      textureCacheCapacity(4 * textureCacheSize) {}

void ExtendedChart::setDataPath(const std::string& path) { dataPath = path.empty() ? dataRoot : asFolder(path); }

ExtendedChart::~ExtendedChart() = default;

void ExtendedChart::showMessage(const std::string& message) {
    logMessage(message);
    if (messageCallback)
        messageCallback(message);
}

void ExtendedChart::loadData(const ChartProgressCallback& progress) {
    elementCache.clear();
    buildSubCharts(progress);
    buildAreaTree(progress);
    buildTrie(progress);
    backgrounds.clear();
    if (currentVendor >= 0)
        backgrounds.loadFolder(getChartDataFolder() + vendors[static_cast<size_t>(currentVendor)] + "_Backgrounds/");
    backgrounds.addDescriptionFile(getChartDataFolder() + "Common.bg");
    backgrounds.computeMipMapLevels(tree, progress);
}

void ExtendedChart::buildSubCharts(const ChartProgressCallback& progress) {
    if (progress)
        progress("building SubCharts", 0.0);
    subCharts.clear();
    vendors.clear();
    currentVendor = -1;
    IniFile settings(dataRoot + "data/data.ini");
    std::string wantedVendor = settings.get("", "Vendor");

    std::string folder = getChartDataFolder();
    std::vector<std::pair<std::string, IniFile>> descriptions;
    for (const std::string& name : listFilesWithExtension(folder, ".sci")) {
        IniFile description(folder + name);
        std::string vendor = description.get("", "Vendor");
        if (std::find(vendors.begin(), vendors.end(), vendor) == vendors.end())
            vendors.push_back(vendor);
        descriptions.emplace_back(folder + name, std::move(description));
    }
    if (vendors.empty())
        return;
    auto wanted = std::find(vendors.begin(), vendors.end(), wantedVendor);
    currentVendor = wanted == vendors.end() ? 0 : static_cast<int>(wanted - vendors.begin());
    const std::string& vendor = vendors[static_cast<size_t>(currentVendor)];

    bool dataTooOld = false;
    for (size_t i = 0; i < descriptions.size(); i++) {
        if (descriptions[i].second.get("", "Vendor") != vendor)
            continue;
        if (static_cast<int>(subCharts.size()) >= MAX_SUBCHARTS) {
            logMessage("Too many sub-charts; ignoring " + descriptions[i].first);
            continue;
        }
        if (progress)
            progress("building SubCharts", static_cast<double>(i) / descriptions.size());
        auto subChart = std::make_unique<SubChart>(descriptions[i].first, descriptions[i].second,
                                                   static_cast<int>(subCharts.size()), factories);
        dataTooOld |= subChart->needsDataUpdate();
        subCharts.push_back(std::move(subChart));
    }
    if (dataTooOld)
        showMessage(DATA_TOO_OLD_MESSAGE);
}

void ExtendedChart::buildAreaTree(const ChartProgressCallback& progress) {
    if (progress)
        progress("building AreaTree", 0.0);
    tree.clearElements();
    for (size_t i = 0; i < subCharts.size(); i++) {
        if (progress)
            progress("building AreaTree", static_cast<double>(i) / subCharts.size());
        subCharts[i]->mergeAreaTree(tree, progress);
    }
}

void ExtendedChart::buildTrie(const ChartProgressCallback& progress) {
    if (progress)
        progress("building Trie", 0.0);
    trie.clear();
    for (size_t i = 0; i < subCharts.size(); i++) {
        if (progress)
            progress("building Trie", static_cast<double>(i) / subCharts.size());
        if (subCharts[i]->getElementCount() > 0)
            subCharts[i]->mergeTrie(trie);
    }
    loadCustomElements();
}

void ExtendedChart::OnMustFreeMemory() {
    showMessage(LOW_MEMORY_MESSAGE);
    elementCache.clear();
}

IChartElement* ExtendedChart::getChartElement(int32_t identifier) {
    if (IChartElement* cached = elementCache.get(identifier))
        return cached;
    elementCacheMissCount++;
    std::unique_ptr<IChartElement> element;
    if (identifier < 0) {
        if (identifier >= -customElementCount)
            element = loadCustomElement(-identifier);
    } else {
        size_t subChart = static_cast<size_t>(identifier) >> SUBCHART_INDEX_BITS;
        if (subChart < subCharts.size())
            element = subCharts[subChart]->loadChartElement(static_cast<uint32_t>(identifier & SUBCHART_INDEX_MASK));
    }
    return elementCache.insert(identifier, std::move(element));
}

uint32_t ExtendedChart::getStaticElementCount() const {
    uint32_t count = 0;
    for (const auto& subChart : subCharts)
        count += subChart->getElementCount();
    return count;
}

std::string ExtendedChart::getVendorName(int index) const {
    if (index < 0 || index >= getVendorCount())
        return "";
    return vendors[static_cast<size_t>(index)];
}

bool ExtendedChart::setCurrentVendor(int index) {
    if (index < 0 || index >= getVendorCount())
        return false;
    std::string path = dataRoot + "data/data.ini";
    IniFile settings(path);
    settings.set("", "Vendor", vendors[static_cast<size_t>(index)]);
    createFolders(dataRoot + "data");
    if (!settings.save(path))
        logMessage("Cannot write " + path);
    loadData();
    return currentVendor == index;
}

std::string ExtendedChart::getName() const {
    return currentVendor >= 0 ? vendors[static_cast<size_t>(currentVendor)] : std::string();
}

const SubChart* ExtendedChart::getSubChart(int number) const {
    if (number < 0 || number >= getSubChartCount())
        return nullptr;
    return subCharts[static_cast<size_t>(number)].get();
}

std::vector<int32_t> ExtendedChart::getMatchingChartElements(const std::string& text, uint32_t maximum) const {
    std::vector<int32_t> matching = trie.getMatching(text, maximum);
    std::unordered_set<int32_t> seen;
    matching.erase(std::remove_if(matching.begin(), matching.end(),
                                  [&seen](int32_t identifier) { return !seen.insert(identifier).second; }),
                   matching.end());
    return matching;
}

void ExtendedChart::insertInTrie(const IChartElement* element, int32_t identifier) {
    for (int n = 0; n < element->getTrieInsertionNameCount(); n++) {
        std::string name = element->getTrieInsertionName(n);
        if (!name.empty())
            trie.insert(name, identifier);
    }
}
