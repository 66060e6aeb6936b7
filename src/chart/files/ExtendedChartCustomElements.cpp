#include "base/IniFile.h"
#include "chart/files/ChartFileIO.h"
#include "base/Logger.h"
#include "chart/files/ExtendedChart.h"

#include <cstdio>

// Custom elements are the files "<n>.ini" for n = 1, 2 ... without gaps;
// element n has identifier -n. Deleting one moves the last into its place,
// so the numbers stay dense.

std::string ExtendedChart::getCustomElementPath(int number) const {
    return getCustomElementFolder() + std::to_string(number) + ".ini";
}

void ExtendedChart::loadCustomElements() {
    customElementCount = 0;
    while (FILE* file = std::fopen(getCustomElementPath(customElementCount + 1).c_str(), "rb")) {
        std::fclose(file);
        customElementCount++;
    }
    for (int number = 1; number <= customElementCount; number++) {
        std::unique_ptr<IChartElement> element = loadCustomElement(number);
        if (!element) {
            logMessage("Custom element " + getCustomElementPath(number) + " has an unknown type");
            continue;
        }
        placeCustomElement(element.get(), number);
    }
}

std::unique_ptr<IChartElement> ExtendedChart::loadCustomElement(int number) const {
    IniFile ini(getCustomElementPath(number));
    return createChartElementFromIni(ini);
}

std::unique_ptr<IChartElement> ExtendedChart::createChartElementFromIni(const IniFile& ini) const {
    return ::createChartElementFromIni(factories, &ini);
}

bool ExtendedChart::storeCustomElement(const IChartElement* element, int number) const {
    if (!createFolders(getCustomElementFolder()))
        return false;
    IniFile ini;
    element->writeToIni(&ini);
    return ini.save(getCustomElementPath(number));
}

void ExtendedChart::placeCustomElement(const IChartElement* element, int number) {
    tree.updateAreaTree(0, element, -number);
    insertInTrie(element, -number);
}

void ExtendedChart::unplaceElement(int32_t identifier) {
    tree.deleteElementFromAreaTree(identifier);
    trie.removeElement(identifier);
    elementCache.remove(identifier);
}

int ExtendedChart::addCustomChartElement(const IChartElement* element) {
    if (!element)
        return -1;
    int number = customElementCount + 1;
    if (!storeCustomElement(element, number)) {
        logMessage("Cannot write " + getCustomElementPath(number));
        return -1;
    }
    customElementCount = number;
    placeCustomElement(element, number);
    return number;
}

bool ExtendedChart::setCustomChartElementFromIni(const IniFile& ini, int number) {
    if (number < 1 || number > customElementCount)
        return false;
    std::unique_ptr<IChartElement> element = createChartElementFromIni(ini);
    if (!element || !storeCustomElement(element.get(), number))
        return false;
    unplaceElement(-number);
    placeCustomElement(element.get(), number);
    return true;
}

bool ExtendedChart::deleteCustomChartElement(int number) {
    if (number < 1 || number > customElementCount)
        return false;
    unplaceElement(-number);
    int last = customElementCount;
    if (number != last) {
        if (std::rename(getCustomElementPath(last).c_str(), getCustomElementPath(number).c_str()) != 0)
            return false;
        std::unique_ptr<IChartElement> moved = loadCustomElement(number);
        unplaceElement(-last);
        if (moved)
            placeCustomElement(moved.get(), number);
    } else if (std::remove(getCustomElementPath(number).c_str()) != 0) {
        return false;
    }
    customElementCount--;
    return true;
}
