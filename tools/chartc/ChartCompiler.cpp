#include "ChartCompiler.h"

#include "InputFile.h"
#include "base/IniFile.h"
#include "geo/Angles.h"
#include "ground/GeoJSONReader.h"
#include "chart/files/ChartFileIO.h"
#include "chart/files/SubChartWriter.h"
#include "chart/files/WorldWideAreaTree.h"
#include "parsers/AptDatParser.h"
#include "parsers/AwyDatParser.h"
#include "parsers/FixDatParser.h"
#include "parsers/NavDataFormat.h"
#include "parsers/NavDatParser.h"
#include "parsers/OpenAirParser.h"
#include "parsers/PoiDatParser.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ftw.h>
#include <map>
#include <unistd.h>

namespace {

double secondsNow() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// Airports come first so that the navaid file can attach its localizers to
// their runways; airways last among the points so they can mark what they use.
int parseOrder(NavDataFormat format) {
    switch (format) {
    case NavDataFormat::APT_DAT: return 0;
    case NavDataFormat::NAV_DAT: return 1;
    case NavDataFormat::FIX_DAT: return 2;
    case NavDataFormat::AWY_DAT: return 3;
    case NavDataFormat::POI_DAT: return 4;
    case NavDataFormat::OPENAIR: return 5;
    case NavDataFormat::GEOJSON: return 6;
    default: return 7;
    }
}

std::string baseName(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string safeForFileName(const std::string& text) {
    std::string safe;
    for (char c : text)
        safe.push_back((std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_') ? c : '_');
    return safe.empty() ? std::string("chart") : safe;
}

int removeEntry(const char* path, const struct stat*, int, struct FTW*) {
    return std::remove(path);
}

void append(ParsedElements& to, ParsedElements&& from) {
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

}  // namespace

bool removeRecursively(const std::string& path) {
    if (access(path.c_str(), F_OK) != 0)
        return true;
    return nftw(path.c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS) == 0;
}

ChartCompiler::ChartCompiler(ChartCompilerOptions givenOptions, std::ostream& messageStream)
    : options(std::move(givenOptions)), messages(messageStream) {
    if (!options.outFolder.empty() && options.outFolder.back() != '/')
        options.outFolder.push_back('/');
    sink = [this](const ParseError& error) {
        malformedLines++;
        messages << formatParseError(error) << "\n";
    };
}

void ChartCompiler::progress(const std::string& text, double fraction) {
    if (options.quiet)
        return;
    double now = secondsNow();
    if (fraction < 1.0 && lastProgressTime >= 0 && now - lastProgressTime < 1.0)
        return;
    lastProgressTime = now;
    char percent[16];
    std::snprintf(percent, sizeof(percent), " %3.0f%%", 100.0 * std::clamp(fraction, 0.0, 1.0));
    messages << text << percent << "\n" << std::flush;
}

int ChartCompiler::run() {
    std::vector<Input> inputs;
    if (!recogniseInputs(inputs))
        return 1;
    ParsedElements elements;
    if (!parseInputs(inputs, elements) || !readGshhg(elements))
        return 1;
    elementCount = elements.size();

    if (!createFolders(options.outFolder)) {
        messages << "chartc: cannot create " << options.outFolder << "\n";
        return 1;
    }
    std::string temporaryFolder = options.outFolder + ".chartc-" + std::to_string(getpid()) + "/";
    removeRecursively(temporaryFolder);
    bool written = writeSubCharts(elements, temporaryFolder) && install(temporaryFolder);
    removeRecursively(temporaryFolder);
    if (!written)
        return 1;
    messages << "chartc: " << elementCount << " elements in " << subChartCount << " sub-chart"
             << (subChartCount == 1 ? "" : "s") << " for vendor " << options.vendor << "; " << malformedLines
             << " malformed line" << (malformedLines == 1 ? "" : "s") << " skipped\n";
    return 0;
}

bool ChartCompiler::recogniseInputs(std::vector<Input>& inputs) {
    for (const std::string& path : options.inputs) {
        if (access(path.c_str(), R_OK) != 0) {
            messages << "chartc: cannot read " << path << "\n";
            return false;
        }
        // A GeoJSON file is known by its name too, so that a broken one is
        // reported as broken GeoJSON rather than as an unknown input.
        NavDataFormat format = endsWith(path, ".geojson") || endsWith(path, ".geojson.gz")
                                   ? NavDataFormat::GEOJSON
                                   : detectNavDataFormat(InputFile::readHead(path, 16384));
        if (format == NavDataFormat::UNKNOWN) {
            messages << "chartc: " << path << ": not a recognised input (apt.dat, nav.dat, fix.dat, awy.dat, "
                     << "poi.dat, OpenAir or GeoJSON)\n";
            return false;
        }
        inputs.push_back(Input{path, static_cast<int>(format)});
    }
    std::stable_sort(inputs.begin(), inputs.end(), [](const Input& a, const Input& b) {
        return parseOrder(static_cast<NavDataFormat>(a.format)) < parseOrder(static_cast<NavDataFormat>(b.format));
    });
    return true;
}

bool ChartCompiler::parseInputs(const std::vector<Input>& inputs, ParsedElements& elements) {
    ParsedElements airports, points, airways, others;
    for (const Input& input : inputs) {
        auto format = static_cast<NavDataFormat>(input.format);
        std::string label = "Reading " + baseName(input.path);
        if (baseName(input.path).find(getNavDataFormatName(format)) == std::string::npos)
            label += std::string(" (") + getNavDataFormatName(format) + ")";
        InputFile file(input.path);
        if (!file.isOpen()) {
            messages << "chartc: cannot open " << input.path << "\n";
            return false;
        }
        file.setProgressCallback([this, &label](double fraction) { progress(label, fraction); });
        progress(label, 0.0);
        std::string name = baseName(input.path);
        switch (format) {
        case NavDataFormat::APT_DAT: append(airports, parseAptDat(file.stream(), name, sink)); break;
        case NavDataFormat::NAV_DAT: {
            std::vector<LocalizerApproach> localizers;
            append(points, parseNavDat(file.stream(), name, sink, &localizers));
            attachLocalizers(airports, localizers, name, sink);
            break;
        }
        case NavDataFormat::FIX_DAT: append(points, parseFixDat(file.stream(), name, sink)); break;
        case NavDataFormat::AWY_DAT: append(airways, parseAwyDat(file.stream(), name, sink, &points)); break;
        case NavDataFormat::POI_DAT: append(others, parsePoiDat(file.stream(), name, sink)); break;
        case NavDataFormat::OPENAIR: append(others, parseOpenAir(file.stream(), name, sink)); break;
        case NavDataFormat::GEOJSON: {
            ParseError error;
            if (!readGeoJSON(file.stream(), name, others, error)) {
                messages << formatParseError(error) << "\n";
                return false;
            }
            break;
        }
        default: break;
        }
        progress(label, 1.0);
    }
    if (!airways.empty())
        markAirwayUsage(points, airways);
    for (ParsedElements* part : {&airports, &points, &airways, &others})
        append(elements, std::move(*part));
    return true;
}

bool ChartCompiler::readGshhg(ParsedElements& elements) {
    if (options.gshhgFolder.empty())
        return true;
    const std::string label = "Reading GSHHG coastlines, rivers and borders";
    progress(label, 0.0);
    std::vector<GshhgLine> lines;
    std::string error;
    if (!GshhgReader(options.gshhgFolder, options.gshhgResolution).read(options.gshhgRegion, lines, error)) {
        messages << "chartc: " << error << "\n";
        return false;
    }
    append(elements, makeGshhgElements(std::move(lines)));
    progress(label, 1.0);
    return true;
}

std::string ChartCompiler::folderNameFor(int column, int row) const {
    int west = static_cast<int>(std::lround(column * options.regionSizeDeg - 180.0));
    int south = static_cast<int>(std::lround(row * options.regionSizeDeg - 90.0));
    char region[32];
    std::snprintf(region, sizeof(region), "%c%02d%c%03d", south < 0 ? 'S' : 'N', std::abs(south), west < 0 ? 'W' : 'E',
                  std::abs(west));
    return safeForFileName(options.vendor) + "_" + region;
}

bool ChartCompiler::writeSubCharts(ParsedElements& elements, const std::string& temporaryFolder) {
    // Region cell of each element by its representative position.
    std::map<std::pair<int, int>, std::vector<size_t>> regions;
    int columns = static_cast<int>(std::ceil(360.0 / options.regionSizeDeg));
    int rows = static_cast<int>(std::ceil(180.0 / options.regionSizeDeg));
    for (size_t i = 0; i < elements.size(); i++) {
        ChartPosition position = elements[i]->getPosition();
        double longitude = Angle180(position.longitude);
        double latitude = Latitudinize(position.latitude);
        int column = std::clamp(static_cast<int>(std::floor((longitude + 180.0) / options.regionSizeDeg)), 0, columns - 1);
        int row = std::clamp(static_cast<int>(std::floor((latitude + 90.0) / options.regionSizeDeg)), 0, rows - 1);
        regions[{column, row}].push_back(i);
    }
    if (regions.size() > 256) {
        messages << "chartc: " << regions.size() << " regions exceed the 256 sub-charts of a vendor; "
                 << "use a larger --region-size\n";
        return false;
    }
    if (regions.empty())
        messages << "chartc: warning: the inputs hold no chart elements\n";

    WorldWideAreaTree scratchTree;
    size_t done = 0;
    for (auto& region : regions) {
        std::string folderName = folderNameFor(region.first.first, region.first.second);
        progress("Writing sub-chart " + folderName, static_cast<double>(done) / regions.size());
        SubChartWriter writer(options.vendor, folderName);
        for (size_t index : region.second)
            writer.addElement(std::move(elements[index]));
        std::string error;
        if (!writer.write(temporaryFolder, folderName, error, &scratchTree)) {
            messages << "chartc: " << error << "\n";
            return false;
        }
        writtenFolders.push_back(folderName);
        done++;
    }
    subChartCount = regions.size();
    progress("Writing sub-charts", 1.0);
    return true;
}

bool ChartCompiler::install(const std::string& temporaryFolder) {
    // The vendor's previous sub-charts go first, so none of them lingers
    // after a region has disappeared from the input.
    for (const std::string& name : listFilesWithExtension(options.outFolder, ".sci")) {
        IniFile description(options.outFolder + name);
        if (description.get("", "Vendor") != options.vendor)
            continue;
        std::string location = description.get("", "Location");
        if (std::remove((options.outFolder + name).c_str()) != 0) {
            messages << "chartc: cannot remove " << options.outFolder << name << "\n";
            return false;
        }
        if (!location.empty() && location.front() != '/' && location.find("..") == std::string::npos)
            removeRecursively(options.outFolder + location);
    }
    // Each folder is in place before the description that points to it.
    for (const std::string& folderName : writtenFolders) {
        std::string target = options.outFolder + folderName;
        removeRecursively(target);
        if (std::rename((temporaryFolder + folderName).c_str(), target.c_str()) != 0 ||
            std::rename((temporaryFolder + folderName + ".sci").c_str(), (target + ".sci").c_str()) != 0) {
            messages << "chartc: cannot move " << folderName << " into " << options.outFolder << "\n";
            return false;
        }
    }
    return true;
}
