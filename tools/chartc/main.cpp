// chartc: compiles open aeronautical data into the program's chart data.
#include "ChartCompiler.h"
#include "base/DataLocationsFile.h"

#include <cstdlib>
#include <iostream>
#include <string>

namespace {

void printUsage(std::ostream& out) {
    out << "Usage: chartc --vendor NAME (--home HOME | --out CHARTDATA_DIR) [options] INPUT...\n"
           "\n"
           "Compiles nav data and ground geometry into sub-charts (one per region)\n"
           "below the chart data folder of a program home or below CHARTDATA_DIR.\n"
           "Inputs are recognised by their content and may be gzip-compressed:\n"
           "  apt.dat (airports, runways, frequencies, pavement), nav.dat (VOR, NDB,\n"
           "  TACAN, localizers), fix.dat (waypoints), awy.dat (airway segments),\n"
           "  poi.dat (places and peaks), OpenAir airspace text, GeoJSON ground\n"
           "  geometry (.geojson: lines and polygons; the kind from the properties\n"
           "  layer and level as GSHHG gives them, or kind, a kind's name such as\n"
           "  \"Coastline\", \"River\", \"Border\", \"Water\" or \"Road\").\n"
           "\n"
           "Options:\n"
           "  --vendor NAME        the chart vendor the sub-charts belong to (required);\n"
           "                       the vendor's previous sub-charts are replaced\n"
           "  --home HOME          install where the program started from HOME looks:\n"
           "                       the Data location of HOME/data/data.ini followed by\n"
           "                       .Cirrona/ChartData\n"
           "  --init-home          with --home: when HOME has no data/data.ini yet, create\n"
           "                       one keeping all data inside HOME (never changes one)\n"
           "  --out DIR            the ChartData folder to install into\n"
           "  --region-size DEG    size of the regions that become sub-charts (default 30)\n"
           "  --gshhg DIR          coastlines, lake shores, rivers and borders from GSHHG's\n"
           "                       binned netCDF files in DIR (Debian's gmt-gshhg-high:\n"
           "                       /usr/share/gmt-gshhg); needs --region\n"
           "  --region S,W,N,E     the region to take from GSHHG, in degrees\n"
           "  --resolution R       GSHHG resolution f, h, i, l or c (default h)\n"
           "  --quiet              no progress lines\n"
           "  --help               this text\n"
           "\n"
           "Malformed input lines are reported as FILE:LINE: MESSAGE and skipped;\n"
           "a malformed GeoJSON feature is reported the same way with its number\n"
           "and stops the run, leaving the installed chart as it was.\n"
           "Exit status: 0 done, 1 an input or the output failed, 2 bad arguments.\n";
}

int usageError(const std::string& message) {
    std::cerr << "chartc: " << message << "\n\n";
    printUsage(std::cerr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    ChartCompilerOptions options;
    std::string home;
    bool initHome = false;
    bool hasRegion = false;
    for (int i = 1; i < argc; i++) {
        std::string argument = argv[i];
        auto value = [&](std::string& target) {
            if (i + 1 >= argc)
                return false;
            target = argv[++i];
            return true;
        };
        if (argument == "--help" || argument == "-h") {
            printUsage(std::cout);
            return 0;
        } else if (argument == "--vendor") {
            if (!value(options.vendor))
                return usageError("--vendor needs a name");
        } else if (argument == "--home") {
            if (!value(home))
                return usageError("--home needs a folder");
        } else if (argument == "--init-home") {
            initHome = true;
        } else if (argument == "--out") {
            if (!value(options.outFolder))
                return usageError("--out needs a folder");
        } else if (argument == "--region-size") {
            std::string size;
            if (!value(size))
                return usageError("--region-size needs a number of degrees");
            char* end = nullptr;
            options.regionSizeDeg = std::strtod(size.c_str(), &end);
            if (end == size.c_str() || *end != '\0' || !(options.regionSizeDeg >= 0.5 && options.regionSizeDeg <= 360))
                return usageError("--region-size must be between 0.5 and 360 degrees");
        } else if (argument == "--gshhg") {
            if (!value(options.gshhgFolder))
                return usageError("--gshhg needs a folder");
        } else if (argument == "--region") {
            std::string region, error;
            if (!value(region))
                return usageError("--region needs S,W,N,E");
            if (!parseGeoRegion(region, options.gshhgRegion, error))
                return usageError(error);
            hasRegion = true;
        } else if (argument == "--resolution") {
            std::string resolution;
            if (!value(resolution) || resolution.size() != 1 ||
                std::string("fhilc").find(resolution[0]) == std::string::npos)
                return usageError("--resolution must be one of f, h, i, l, c");
            options.gshhgResolution = resolution[0];
        } else if (argument == "--quiet") {
            options.quiet = true;
        } else if (argument.size() > 1 && argument[0] == '-') {
            return usageError("unknown option " + argument);
        } else {
            options.inputs.push_back(argument);
        }
    }
    if (options.vendor.empty())
        return usageError("--vendor is required");
    if (home.empty() == options.outFolder.empty())
        return usageError("give one of --home and --out");
    if (initHome && home.empty())
        return usageError("--init-home needs --home");
    if (options.gshhgFolder.empty() == hasRegion)
        return usageError("--gshhg and --region go together");
    if (!home.empty()) {
        if (initHome && !createSelfContainedLocations(home)) {
            std::cerr << "chartc: cannot create " << home << "/data/data.ini\n";
            return 1;
        }
        std::string storagePath, error;
        if (!findChartStoragePath(home, &storagePath, &error)) {
            std::cerr << "chartc: " << error << "; start the program there once to choose it, use --init-home, "
                      << "or give the ChartData folder with --out\n";
            return 1;
        }
        options.outFolder = storagePath + "ChartData";
    }
    if (options.inputs.empty() && options.gshhgFolder.empty())
        return usageError("no input files");
    ChartCompiler compiler(options, std::cerr);
    return compiler.run();
}
