#include "ElementRecordCheck.h"

#include "base/IniFile.h"
#include "chart/elements/ElementFactories.h"

#include <memory>
#include <sstream>
#include <vector>

namespace {

const ChartElementFactoryList& factories() {
    static const ChartElementFactoryList list = createChartElementFactories();
    return list;
}

void exerciseTexts(const IChartElement& element) {
    element.getPosition(), element.getRemarks(), element.createDescriptionString();
    element.getIndicatedLabel(true, nullptr), element.getIndicatedLabel(false, nullptr);
    for (int i = 0; i < element.getTrieInsertionNameCount(); ++i) element.getTrieInsertionName(i);
    for (int i = 0; i < element.getAreaDefiningPointCount(); ++i) element.getAreaDefiningPoint(i);
    element.getComFrequencies(), element.getNavFrequencies();
    element.createAML(nullptr, "default"), element.isLowAltitudeRelevant(), element.isHighAltitudeRelevant();
    char staticData[3];
    element.writeStaticData(staticData);
}

}  // namespace

std::string checkElementRecord(const uint8_t* data, size_t size) {
    if (size > 0xFFFFFFu) return std::string();
    // An exact-size copy: any read past the record is a heap overflow.
    std::vector<char> record(data, data + size);
    std::unique_ptr<IChartElement> element =
        readChartElementRecord(factories(), record.data(), static_cast<unsigned>(record.size()));
    if (!element) return std::string();
    exerciseTexts(*element);
    // Writing what was read and reading it again must give the same bytes.
    std::ostringstream out, outAgain;
    element->write(out);
    const std::string written = out.str();
    std::unique_ptr<IChartElement> again =
        readChartElementRecord(factories(), written.data(), static_cast<unsigned>(written.size()));
    if (!again) return "a written record does not read back";
    again->write(outAgain);
    if (outAgain.str() != written)
        return "a record changes when written and read again";
    // The INI form must never fail on whatever the record held.
    IniFile ini;
    element->writeToIni(&ini);
    IniFile reread;
    reread.setFromString(ini.toString());
    std::unique_ptr<IChartElement> fromIni = createChartElementFromIni(factories(), &reread);
    if (!fromIni || fromIni->getType() != element->getType())
        return "the INI form does not give an element of the same kind";
    exerciseTexts(*fromIni);
    return std::string();
}
