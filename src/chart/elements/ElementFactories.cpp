#include "chart/elements/ElementFactories.h"

#include "base/RecordCodec.h"
#include "chart/elements/ChartElementIni.h"

ChartElementFactoryList createChartElementFactories() {
    ChartElementFactoryList factories;
    factories.emplace_back(new AirspaceFactory());
    factories.emplace_back(new AirwayFactory());
    factories.emplace_back(new WaypointFactory());
    factories.emplace_back(new MarkFactory());
    factories.emplace_back(new NDBFactory());
    factories.emplace_back(new VORFactory());
    factories.emplace_back(new AirportFactory());
    factories.emplace_back(new ObstructionFactory());
    factories.emplace_back(new GroundGeometryFactory());
    factories.emplace_back(new POIFactory());
    return factories;
}

IChartElementFactory* findChartElementFactory(const ChartElementFactoryList& factories, uint32_t typeCode) {
    for (const auto& factory : factories)
        if (static_cast<uint32_t>(factory->getElementType()) == typeCode)
            return factory.get();
    return nullptr;
}

IChartElementFactory* findChartElementFactory(const ChartElementFactoryList& factories, const std::string& keyword) {
    for (const auto& factory : factories)
        if (factory->getStringDescriptor() == keyword)
            return factory.get();
    return nullptr;
}

std::unique_ptr<IChartElement> readChartElementRecord(const ChartElementFactoryList& factories, const char* record,
                                                      unsigned size, IIndexCorrectionCallback* callback) {
    uint32_t typeCode = 0;
    if (!readRecord(record, size, typeCode) || typeCode >= IChartElement::TYPE_COUNT)
        return nullptr;
    IChartElementFactory* factory = findChartElementFactory(factories, typeCode);
    if (!factory)
        return nullptr;
    std::unique_ptr<IChartElement> element(factory->Create(callback));
    unsigned position = sizeof(typeCode);
    if (!element->readFromBuffer(record, position, size))
        return nullptr;
    return element;
}

std::unique_ptr<IChartElement> createChartElementFromIni(const ChartElementFactoryList& factories,
                                                         const IniFile* ini) {
    IChartElementFactory* factory =
        findChartElementFactory(factories, getFromIniSection(getElementIniSection(ini), "Type", ""));
    if (!factory)
        return nullptr;
    std::unique_ptr<IChartElement> element(factory->Create(nullptr));
    element->setFromIni(ini);
    return element;
}
