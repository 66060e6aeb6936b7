// cirrona-diag chart: looks into installed chart data (vendors, sub-charts,
// search, vicinity, single elements) and into the world-wide area tree.
#include "DiagCommand.h"
#include "DiagSupport.h"
#include "base/DataLocationsFile.h"
#include "base/IniFile.h"
#include "base/StringConversions.h"
#include "base/UnitConverter.h"
#include "base/Units.h"
#include "chart/files/ExtendedChart.h"
#include "geo/Geodesy.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

const char* const TYPE_NAMES[IChartElement::TYPE_COUNT] = {
    "AIRSPACE", "AIRWAY_SEGMENT", "OBSTRUCTION", "WAYPOINT", "MARK", "NDB", "VOR", "AIRPORT", "GROUNDGEOMETRY", "POI"};

const DiagCommand& command();

// The chart as the program started from home sees it: its chart data below
// the Data location of home's data/data.ini. None (with the reason on
// standard error) when the home has no such file.
std::unique_ptr<ExtendedChart> loadChart(const std::string& home) {
    std::string storagePath, error;
    if (!findChartStoragePath(home, &storagePath, &error)) {
        std::cerr << "chart: " << error << " (install chart data with chartc --home " << home << ")\n";
        return nullptr;
    }
    auto chart = std::make_unique<ExtendedChart>(home, 100000, 80, nullptr, storagePath);
    chart->loadData();
    return chart;
}

// The units the pilot chose in home's data/config.ini; the standard units
// when the file or its unit keys are missing.
units::UnitConverter loadUnits(const std::string& home) {
    units::UnitConverter converter;
    converter.readDefaultUnitsFromIni(IniFile(home + "/data/config.ini"), "");
    return converter;
}

void printElementLine(ExtendedChart& chart, const units::UnitConverter& converter, int32_t identifier,
                      const std::string& extra = "") {
    IChartElement* element = chart.getChartElement(identifier);
    if (!element) {
        std::printf("%d\t(not loadable)\n", identifier);
        return;
    }
    ChartPosition position = element->getPosition();
    std::printf("%d\t%s\t%.6f\t%.6f\t%s%s\n", identifier, TYPE_NAMES[element->getType()], position.longitude,
                position.latitude, convertWStringToUtf8String(element->getIndicatedLabel(true, &converter)).c_str(),
                extra.c_str());
}

int runInfo(const std::vector<std::string>& args) {
    if (args.size() != 2)
        return diagUsageError(command(), "info needs HOME");
    auto chart = loadChart(args[1]);
    if (!chart)
        return 1;
    std::printf("chart data: %s\nvendors:", chart->getChartDataFolder().c_str());
    for (int i = 0; i < chart->getVendorCount(); i++)
        std::printf(" %s%s", chart->getVendorName(i).c_str(), i == chart->getCurrentVendor() ? " (current)" : "");
    std::printf("\n");
    std::map<int, uint32_t> byKind;
    for (int s = 0; s < chart->getSubChartCount(); s++) {
        const SubChart* subChart = chart->getSubChart(s);
        std::printf("sub-chart %d: %s, %u elements, %s%s\n", s, subChart->getAreaName().c_str(),
                    subChart->getElementCount(), subChart->getLocation().c_str(),
                    subChart->getError().empty() ? "" : (" (" + subChart->getError() + ")").c_str());
        for (uint32_t i = 0; i < subChart->getElementCount(); i++) {
            IChartElement* element = chart->getChartElement(makeChartElementIdentifier(s, static_cast<int32_t>(i)));
            byKind[element ? element->getType() : -1]++;
        }
    }
    std::printf("elements: %u, custom elements: %d\n", chart->getStaticElementCount(), chart->getCustomElementCount());
    for (const auto& kind : byKind)
        std::printf("  %s: %u\n", kind.first < 0 ? "unreadable" : TYPE_NAMES[kind.first], kind.second);
    return 0;
}

int runFind(const std::vector<std::string>& args) {
    if (args.size() != 3 && args.size() != 4)
        return diagUsageError(command(), "find needs HOME TEXT [MAX]");
    double maximum = 20;
    if (args.size() == 4 && (!parseNumber(args[3], maximum) || maximum < 0))
        return diagUsageError(command(), "MAX must be a non-negative number");
    auto chart = loadChart(args[1]);
    if (!chart)
        return 1;
    const units::UnitConverter converter = loadUnits(args[1]);
    for (int32_t identifier : chart->getMatchingChartElements(args[2], static_cast<uint32_t>(maximum)))
        printElementLine(*chart, converter, identifier);
    return 0;
}

int runNear(const std::vector<std::string>& args) {
    bool airportsOnly = args.size() == 6 && args[5] == "--airports";
    double longitude = 0, latitude = 0, radius = 0;
    if ((args.size() != 5 && !airportsOnly) || !parseNumber(args[2], longitude) || !parseNumber(args[3], latitude) ||
        !parseNumber(args[4], radius) || latitude < -90 || latitude > 90 || radius < 0)
        return diagUsageError(command(), "near needs HOME LON LAT NM [--airports]");
    auto chart = loadChart(args[1]);
    if (!chart)
        return 1;
    ChartPosition centre(longitude, latitude);
    const units::UnitConverter converter = loadUnits(args[1]);
    std::vector<int32_t> found = chart->findChartElementsInVicinity(centre, radius, airportsOnly, true);
    std::vector<int32_t> listed;
    for (int32_t identifier : found) {
        if (std::find(listed.begin(), listed.end(), identifier) != listed.end())
            continue;
        listed.push_back(identifier);
        IChartElement* element = chart->getChartElement(identifier);
        char distance[32];
        std::snprintf(distance, sizeof(distance), "\t%.2f NM",
                      element ? calcDistance2(centre, element->getPosition()) / units::kMetresPerNauticalMile : 0.0);
        printElementLine(*chart, converter, identifier, distance);
    }
    return 0;
}

int runElement(const std::vector<std::string>& args) {
    double identifier = 0;
    if (args.size() != 3 || !parseNumber(args[2], identifier) || identifier != std::floor(identifier))
        return diagUsageError(command(), "element needs HOME ID");
    auto chart = loadChart(args[1]);
    if (!chart)
        return 1;
    IChartElement* element = chart->getChartElement(static_cast<int32_t>(identifier));
    if (!element) {
        std::cerr << "no element " << static_cast<int32_t>(identifier) << "\n";
        return 1;
    }
    IniFile fields;
    element->writeToIni(&fields);
    ChartPosition position = element->getPosition();
    std::printf("{\"identifier\": %d, \"type\": \"%s\", \"longitude\": %.8f, \"latitude\": %.8f, \"fields\": {",
                static_cast<int32_t>(identifier), TYPE_NAMES[element->getType()], position.longitude,
                position.latitude);
    bool firstSection = true;
    for (const auto& section : fields.getSections()) {
        // The unnamed section's keys are the element's own; other sections nest.
        if (!section.first.empty())
            std::printf("%s%s: {", firstSection ? "" : ", ", jsonString(section.first).c_str());
        bool firstKey = true;
        for (const auto& value : section.second) {
            std::printf("%s%s: %s", (firstKey && (firstSection || !section.first.empty())) ? "" : ", ",
                        jsonString(value.first).c_str(), jsonString(value.second).c_str());
            firstKey = false;
        }
        if (!section.first.empty())
            std::printf("}");
        firstSection = false;
    }
    std::printf("}}\n");
    return 0;
}

int runArea(const std::vector<std::string>& args) {
    double longitude = 0, latitude = 0;
    if (args.size() != 3 || !parseNumber(args[1], longitude) || !parseNumber(args[2], latitude) || latitude < -90 ||
        latitude > 90)
        return diagUsageError(command(), "area needs LON LAT");
    WorldWideAreaTree tree;
    int number = tree.getLeafAt(ChartPosition(longitude, latitude));
    std::printf("leaf");
    for (const IArea* area = tree.getArea(number); area; area = tree.getArea(number = area->getParentIndex())) {
        std::printf("%s %d: NW %.1f %.1f, SE %.1f %.1f\n", area->isLeaf() ? "" : "parent", number,
                    area->getNWEdge().longitude, area->getNWEdge().latitude, area->getSEEdge().longitude,
                    area->getSEEdge().latitude);
    }
    return 0;
}

int run(const std::vector<std::string>& args) {
    if (args.empty())
        return diagUsageError(command());
    const std::string& action = args[0];
    if (action == "info")
        return runInfo(args);
    if (action == "find")
        return runFind(args);
    if (action == "near")
        return runNear(args);
    if (action == "element")
        return runElement(args);
    if (action == "area")
        return runArea(args);
    return diagUsageError(command(), "unknown action \"" + action + "\"");
}

const DiagCommand& command() {
    static const DiagCommand chartCommand{
        "chart",
        "info HOME | find HOME TEXT [MAX] | near HOME LON LAT NM [--airports] | element HOME ID | area LON LAT",
        "the chart data of the program home HOME (below the Data location of HOME/data/data.ini): vendors, sub-charts and element counts by kind; search; elements "
        "within NM nautical miles; one element's fields as JSON; the area-tree leaf of a position and its ancestors",
        run};
    return chartCommand;
}

const DiagRegistration registration(command());

}  // namespace
