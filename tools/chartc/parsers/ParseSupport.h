#pragma once
#include "geo/ChartPosition.h"
#include "chart/elements/IChartElement.h"

#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <string>
#include <vector>

// What every input parser shares: how it reports bad lines, what it
// returns, and how it splits and reads a line.

struct ParseError {
    std::string fileName;
    unsigned line = 0;  // 1-based; 0 for the file as a whole
    std::string message;
};

// Receives every malformed line; the parser skips the line and goes on.
using ParseErrorSink = std::function<void(const ParseError&)>;

// "file:line: message", the form compilers use, so editors can jump there.
std::string formatParseError(const ParseError& error);
// A sink that writes formatParseError lines to standard error.
ParseErrorSink makeStderrErrorSink();

using ParsedElements = std::vector<std::unique_ptr<IChartElement>>;

// Reads a text file line by line, counting lines and dropping the carriage
// returns of files written on other systems.
class LineSource {
public:
    LineSource(std::istream& in, const std::string& fileName, const ParseErrorSink& sink)
        : in(in), fileName(fileName), sink(sink) {}

    bool next(std::string& line);
    unsigned lineNumber() const { return number; }
    void report(const std::string& message) const { report(number, message); }
    void report(unsigned line, const std::string& message) const;
    const std::string& getFileName() const { return fileName; }
    // The format version of an X-Plane file ("1100 Version ..."), 0 until
    // that line has been read; the column layout depends on it.
    long getFormatVersion() const { return formatVersion; }
    void setFormatVersion(long version) { formatVersion = version; }

private:
    std::istream& in;
    std::string fileName;
    const ParseErrorSink& sink;
    unsigned number = 0;
    long formatVersion = 0;
};

// The blank-separated words of a line. rest(i) gives the text from word i to
// the end of the line, blanks inside kept (names).
class LineTokens {
public:
    explicit LineTokens(const std::string& line);
    size_t size() const { return starts.size(); }
    std::string operator[](size_t i) const;
    std::string rest(size_t i) const;
    bool getInt(size_t i, long& value) const;
    bool getDouble(size_t i, double& value) const;

private:
    const std::string& line;
    std::vector<size_t> starts, ends;
};

bool parseLong(const std::string& text, long& value);
bool parseDouble(const std::string& text, double& value);
bool isValidPosition(double latitude, double longitude);

// Text of the X-Plane files is mostly ASCII, with a few names in Latin-1.
// Valid UTF-8 is kept; anything else is taken as Latin-1 and converted.
std::string toUtf8Text(const std::string& text);

// A frequency in units of 10 kHz as the X-Plane files give it (12612) as
// MHz and kHz parts ({126, 125}); the files drop the last digit of
// 25 kHz-spaced channels, which is restored.
void splitFrequency10kHz(long value, uint32_t& megahertz, uint32_t& kilohertz);

// The X-Plane files begin with "I" (or "A") and a version line, and end
// with "99"; blank lines may appear anywhere. True when the line is none of
// the records and should be skipped; endOfData is set at "99".
bool isXPlaneNonRecordLine(const LineTokens& tokens, bool& endOfData);

// Hands every record line of an X-Plane file to handleRecord, in order,
// and stops at the "99" that ends the data. The version line sets the
// source's format version.
void forEachXPlaneRecord(LineSource& source, const std::function<void(const LineTokens&)>& handleRecord);
// The same for the files whose rows begin with a numeric row code (apt.dat,
// nav.dat); a row whose code is not a number is reported and skipped.
void forEachXPlaneRow(LineSource& source, const std::function<void(long code, const LineTokens&)>& handleRow);

// The position at a bearing (degrees true) and distance (metres) from
// origin, with the longitude brought into [-180, 180] like the input data.
ChartPosition positionAt(const ChartPosition& origin, double bearing, double distance);
