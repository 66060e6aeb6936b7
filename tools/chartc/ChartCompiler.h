#pragma once
#include "ground/GshhgReader.h"
#include "parsers/ParseSupport.h"

#include <ostream>
#include <string>
#include <vector>

struct ChartCompilerOptions {
    std::string vendor;
    std::string outFolder;  // the ChartData folder to install into
    std::vector<std::string> inputs;
    // Elements are grouped into sub-charts by cells of this many degrees.
    double regionSizeDeg = 30.0;
    bool quiet = false;
    // Coastlines, lakes, rivers and borders from GSHHG's binned files in
    // this folder (none when empty), for the region, at a resolution of
    // f, h, i, l or c.
    std::string gshhgFolder;
    GeoRegion gshhgRegion;
    char gshhgResolution = 'h';
};

// Turns open nav data and ground geometry into installed chart data: reads
// every input (its format recognised by content, gzip or plain) and the
// GSHHG files, splits the elements into
// sub-charts by region, writes them into a temporary folder beside the
// output and only then replaces the vendor's previous sub-charts, so that a
// failed run never leaves a half-written chart behind.
class ChartCompiler {
public:
    ChartCompiler(ChartCompilerOptions options, std::ostream& messages);

    // 0 on success, 1 when an input cannot be read or the output cannot be written.
    int run();

    size_t getMalformedLineCount() const { return malformedLines; }
    size_t getElementCount() const { return elementCount; }
    size_t getSubChartCount() const { return subChartCount; }

private:
    struct Input {
        std::string path;
        int format;
    };
    bool recogniseInputs(std::vector<Input>& inputs);
    bool parseInputs(const std::vector<Input>& inputs, ParsedElements& elements);
    bool readGshhg(ParsedElements& elements);
    bool writeSubCharts(ParsedElements& elements, const std::string& temporaryFolder);
    bool install(const std::string& temporaryFolder);
    void progress(const std::string& text, double fraction);
    std::string folderNameFor(int column, int row) const;

    ChartCompilerOptions options;
    std::ostream& messages;
    ParseErrorSink sink;
    size_t malformedLines = 0;
    size_t elementCount = 0;
    size_t subChartCount = 0;
    double lastProgressTime = -1.0;
    std::vector<std::string> writtenFolders;
};

// Removes a file or a folder with everything in it; true when nothing is left.
bool removeRecursively(const std::string& path);
