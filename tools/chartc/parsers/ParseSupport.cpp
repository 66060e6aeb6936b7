#include "parsers/ParseSupport.h"

#include "base/StringConversions.h"
#include "geo/Angles.h"
#include "geo/Geodesy.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <iostream>

std::string formatParseError(const ParseError& error) {
    return error.fileName + ":" + std::to_string(error.line) + ": " + error.message;
}

ParseErrorSink makeStderrErrorSink() {
    return [](const ParseError& error) { std::cerr << formatParseError(error) << '\n'; };
}

bool LineSource::next(std::string& line) {
    if (!std::getline(in, line))
        return false;
    ++number;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

void LineSource::report(unsigned line, const std::string& message) const {
    if (sink)
        sink(ParseError{fileName, line, message});
}

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
}  // namespace

LineTokens::LineTokens(const std::string& text) : line(text) {
    // Nav-data rows have up to about 30 words; one allocation covers them.
    starts.reserve(32);
    ends.reserve(32);
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        if (i >= line.size())
            break;
        starts.push_back(i);
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        ends.push_back(i);
    }
}

std::string LineTokens::operator[](size_t i) const {
    return i < starts.size() ? line.substr(starts[i], ends[i] - starts[i]) : std::string();
}

std::string LineTokens::rest(size_t i) const {
    if (i >= starts.size())
        return std::string();
    size_t end = line.size();
    while (end > starts[i] && isBlank(line[end - 1]))
        --end;
    return line.substr(starts[i], end - starts[i]);
}

bool LineTokens::getInt(size_t i, long& value) const { return i < size() && parseLong((*this)[i], value); }

bool LineTokens::getDouble(size_t i, double& value) const { return i < size() && parseDouble((*this)[i], value); }

bool parseLong(const std::string& text, long& value) {
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0')
        return false;
    value = parsed;
    return true;
}

bool parseDouble(const std::string& text, double& value) {
    if (text.empty())
        return false;
    char* end = nullptr;
    const double parsed = std::strtod(text.c_str(), &end);
    if (*end != '\0' || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool isValidPosition(double latitude, double longitude) {
    return latitude >= -90.0 && latitude <= 90.0 && longitude >= -180.0 && longitude <= 180.0;
}

std::string toUtf8Text(const std::string& text) {
    size_t pos = 0;
    bool valid = true;
    while (pos < text.size() && valid) {
        uint32_t codePoint = 0;
        const size_t length = utf8::decodeCodePoint(text, pos, &codePoint);
        valid = length > 0;
        pos += length;
    }
    if (valid)
        return text;
    std::string out;
    for (unsigned char c : text)
        utf8::appendCodePoint(out, c);
    return out;
}

void splitFrequency10kHz(long value, uint32_t& megahertz, uint32_t& kilohertz) {
    if (value < 0)
        value = 0;
    megahertz = static_cast<uint32_t>(value / 100);
    kilohertz = static_cast<uint32_t>(value % 100) * 10;
    if (value % 10 == 2 || value % 10 == 7)
        kilohertz += 5;
}

bool isXPlaneNonRecordLine(const LineTokens& tokens, bool& endOfData) {
    endOfData = false;
    if (tokens.size() == 0)
        return true;
    const std::string first = tokens[0];
    if (tokens.size() == 1 && (first == "I" || first == "A"))
        return true;
    if (tokens.size() == 1 && first == "99") {
        endOfData = true;
        return true;
    }
    return tokens.size() > 1 && tokens[1] == "Version";
}

void forEachXPlaneRecord(LineSource& source, const std::function<void(const LineTokens&)>& handleRecord) {
    std::string line;
    while (source.next(line)) {
        const LineTokens tokens(line);
        bool end = false;
        if (isXPlaneNonRecordLine(tokens, end)) {
            if (end)
                break;
            long version = 0;
            if (tokens.size() > 1 && tokens.getInt(0, version))
                source.setFormatVersion(version);
            continue;
        }
        handleRecord(tokens);
    }
}

void forEachXPlaneRow(LineSource& source, const std::function<void(long code, const LineTokens&)>& handleRow) {
    forEachXPlaneRecord(source, [&](const LineTokens& tokens) {
        long code = 0;
        if (!tokens.getInt(0, code)) {
            source.report("row code is not a number");
            return;
        }
        handleRow(code, tokens);
    });
}

ChartPosition positionAt(const ChartPosition& origin, double bearing, double distance) {
    ChartPosition position = calcChartPositionAtBearing(origin, bearing, distance);
    position.longitude = Angle180(position.longitude);
    return position;
}
