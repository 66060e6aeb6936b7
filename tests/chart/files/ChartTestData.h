#pragma once
#include "chart/elements/AirportElement.h"
#include "chart/elements/MarkElement.h"
#include "chart/files/SubChartWriter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

// A scratch data root for one test, removed afterwards.
class TemporaryDataRoot {
public:
    TemporaryDataRoot() {
        std::string pattern = ::testing::TempDir() + "chartfiles_XXXXXX";
        char* made = mkdtemp(pattern.data());
        path = made ? std::string(made) + "/" : std::string();
    }
    ~TemporaryDataRoot() {
        if (!path.empty())
            std::system(("rm -rf '" + path + "'").c_str());
    }
    const std::string& get() const { return path; }
    std::string chartData() const { return path + "ChartData/"; }

private:
    std::string path;
};

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
