#pragma once
#include "chart/elements/AirportElement.h"
#include "chart/elements/AirspaceElement.h"
#include "chart/elements/AirwayElement.h"
#include "chart/elements/GroundGeometryElement.h"
#include "chart/elements/IChartElementFactory.h"
#include "chart/elements/MarkElement.h"
#include "chart/elements/NDBElement.h"
#include "chart/elements/ObstructionElement.h"
#include "chart/elements/POIElement.h"
#include "chart/elements/VORElement.h"
#include "chart/elements/WaypointElement.h"

#include <memory>
#include <vector>

template <typename Element, IChartElement::Type TYPE>
class ChartElementFactoryOf : public IChartElementFactory {
public:
    IChartElement* Create(IIndexCorrectionCallback*) override { return new Element(); }
    IChartElement::Type getElementType() const override { return TYPE; }
};

#define CIRRONA_CHART_ELEMENT_FACTORY(Factory, Element, TYPE, displayName, keyword)                \
    class Factory : public ChartElementFactoryOf<Element, IChartElement::TYPE> {                   \
    public:                                                                                        \
        std::wstring getName() const override { return displayName; }                              \
        std::string getStringDescriptor() const override { return keyword; }                       \
    };

CIRRONA_CHART_ELEMENT_FACTORY(AirspaceFactory, AirspaceElement, AIRSPACE, L"Airspace", "AIRSPACE")
CIRRONA_CHART_ELEMENT_FACTORY(AirwayFactory, AirwayElement, AIRWAY, L"Airway", "AIRWAY_SEGMENT")
CIRRONA_CHART_ELEMENT_FACTORY(ObstructionFactory, ObstructionElement, OBSTRUCTION, L"Obstruction", "OBSTRUCTION")
CIRRONA_CHART_ELEMENT_FACTORY(WaypointFactory, WaypointElement, WAYPOINT, L"Waypoint", "WAYPOINT")
CIRRONA_CHART_ELEMENT_FACTORY(MarkFactory, MarkElement, MARK, L"Mark", "MARK")
CIRRONA_CHART_ELEMENT_FACTORY(NDBFactory, NDBElement, NDB, L"NDB", "NDB")
CIRRONA_CHART_ELEMENT_FACTORY(VORFactory, VORElement, VOR, L"VOR", "VOR")
CIRRONA_CHART_ELEMENT_FACTORY(AirportFactory, AirportElement, AIRPORT, L"Airport", "AIRPORT")
CIRRONA_CHART_ELEMENT_FACTORY(GroundGeometryFactory, GroundGeometryElement, GROUNDGEOMETRY, L"GroundGeometry",
                              "GROUNDGEOMETRY")
CIRRONA_CHART_ELEMENT_FACTORY(POIFactory, POIElement, POI, L"POI", "POI")
#undef CIRRONA_CHART_ELEMENT_FACTORY

using ChartElementFactoryList = std::vector<std::unique_ptr<IChartElementFactory>>;

// One factory per kind, in the order the Context registers them.
ChartElementFactoryList createChartElementFactories();

// The factory of a type code, or null.
IChartElementFactory* findChartElementFactory(const ChartElementFactoryList& factories, uint32_t typeCode);
// The factory whose type keyword is keyword, or null.
IChartElementFactory* findChartElementFactory(const ChartElementFactoryList& factories, const std::string& keyword);

// Reads one whole record (type code and body) of exactly size bytes. Null
// for an unknown type code, a missing factory, or a record that ends early.
// Bytes left over after the body are tolerated (newer writers may append).
std::unique_ptr<IChartElement> readChartElementRecord(const ChartElementFactoryList& factories, const char* record,
                                                      unsigned size, IIndexCorrectionCallback* callback = nullptr);
// A custom element from its INI form, the kind chosen by the key `Type`;
// null for an unknown kind.
std::unique_ptr<IChartElement> createChartElementFromIni(const ChartElementFactoryList& factories,
                                                         const IniFile* ini);
