#pragma once
#include "chart/elements/AirportElement.h"
#include "chart/elements/MarkElement.h"
#include "chart/files/SubChartWriter.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// The chart data folder of a scratch data root.
inline std::string chartData(const TempDir& root) { return root / "ChartData/"; }

inline std::unique_ptr<MarkElement> makeMark(const std::string& name, double longitude, double latitude) {
    auto mark = std::make_unique<MarkElement>();
    mark->name = name;
    mark->position = ChartPosition(longitude, latitude);
    return mark;
}

inline std::unique_ptr<AirportElement> makeAirport(const std::string& ident, const std::string& name,
                                                   double longitude, double latitude, bool heliport = false,
                                                   bool privateUse = false) {
    auto airport = std::make_unique<AirportElement>();
    airport->ident = ident;
    airport->name = name;
    airport->position = ChartPosition(longitude, latitude);
    airport->heliport = heliport;
    airport->privateUse = privateUse;
    return airport;
}

inline void writeSubChart(const SubChartWriter& writer, const std::string& chartData, const std::string& folder) {
    std::string error;
    ASSERT_TRUE(writer.write(chartData, folder, error)) << error;
}
