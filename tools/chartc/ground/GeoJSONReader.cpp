#include "ground/GeoJSONReader.h"

#include "ground/GroundKinds.h"
#include "ground/GshhgReader.h"
#include "net/json/JSONParser.h"

#include <cctype>
#include <iterator>
#include <memory>

namespace {

// Follows the raw text beside the JSON parser, which keeps no positions, to
// tell in which feature of the "features" array and on which line a fault
// lies.
class FeatureTracker {
public:
    void consume(char c) {
        if (c == '\n') line++;
        if (inString) {
            if (escaped) escaped = false;
            else if (c == '\\') escaped = true;
            else if (c == '"') inString = false;
            else if (depth == 1) text += c;
            return;
        }
        // Any value in the features array starts a feature, whether it is
        // an object or not, so that numbers match the reader's.
        if (inFeatures && depth == 2 && awaitingFeature && !std::isspace(static_cast<unsigned char>(c)) && c != ']') {
            feature++;
            featureLine = line;
            awaitingFeature = false;
        }
        switch (c) {
        case '"':
            inString = true;
            if (depth == 1) text.clear();
            break;
        case '{':
        case '[':
            depth++;
            if (c == '[' && depth == 2 && text == "features") inFeatures = awaitingFeature = true;
            break;
        case ',':
            if (inFeatures && depth == 2) awaitingFeature = true;
            break;
        case '}':
        case ']':
            if (c == ']' && depth == 2) inFeatures = false;
            depth--;
            break;
        default:
            break;
        }
    }
    // The feature being read, 0 before the first one.
    int getFeature() const { return feature; }
    unsigned getFeatureLine() const { return featureLine; }
    unsigned getLine() const { return line; }

private:
    unsigned line = 1, featureLine = 0;
    int depth = 0, feature = 0;
    bool inString = false, escaped = false, inFeatures = false, awaitingFeature = false;
    std::string text;  // the last string at the top level: the key of the next value
};

class FeatureReader {
public:
    // Lines of GSHHG's layers go to gshhgLines, to be joined with their
    // neighbours from other features before they become elements.
    FeatureReader(const std::string& fileName, int number, unsigned line, ParseError& error,
                  std::vector<GshhgLine>& gshhgLines)
        : number(number), line(line), error(error), gshhgLines(gshhgLines) {
        error.fileName = fileName;
    }

    bool read(const IRPCValue* value, ParsedElements& out) {
        const auto* feature = asObject(value);
        const auto* type = feature ? feature->getAs<StringValue>("type") : nullptr;
        if (!type || type->value != "Feature") return fail("not a Feature object");
        const auto* properties = feature->getAs<ObjectValue>("properties");
        if (!readKind(properties)) return false;
        if (kind < 0) return true;
        const auto* geometry = feature->getAs<ObjectValue>("geometry");
        if (!geometry) return fail("no geometry");
        const auto* geometryType = geometry->getAs<StringValue>("type");
        const IRPCValue* coordinates = geometry->get("coordinates");
        if (!geometryType || !coordinates) return fail("a geometry needs a type and coordinates");
        const auto* name = properties ? properties->getAs<StringValue>("name") : nullptr;
        const size_t first = out.size();
        if (!readGeometry(geometryType->value, coordinates, out)) return false;
        for (size_t i = first; name && i < out.size(); i++)
            static_cast<GroundGeometryElement*>(out[i].get())->name = name->value;
        return true;
    }

    bool fail(const std::string& message) {
        error.line = line;
        error.message = "feature " + std::to_string(number) + ": " + message;
        return false;
    }

private:
    static const ObjectValue* asObject(const IRPCValue* value) {
        return value && value->getType() == IRPCValue::OBJECT_VALUE ? static_cast<const ObjectValue*>(value) : nullptr;
    }
    static const ArrayValue* asArray(const IRPCValue* value) {
        return value && value->getType() == IRPCValue::ARRAY_VALUE ? static_cast<const ArrayValue*>(value) : nullptr;
    }
    static bool asNumber(const IRPCValue* value, double& number) {
        if (value && value->getType() == IRPCValue::DOUBLE_VALUE)
            number = static_cast<const DoubleValue*>(value)->value;
        else if (value && value->getType() == IRPCValue::INTEGER_VALUE)
            number = static_cast<double>(static_cast<const IntegerValue*>(value)->value);
        else return false;
        return true;
    }

    bool readKind(const ObjectValue* properties) {
        if (!properties) return fail("no properties to take the ground-geometry kind from");
        if (properties->get("layer")) {
            const auto* layerName = properties->getAs<StringValue>("layer");
            if (!layerName || !gshhgLayerFromName(layerName->value, layer))
                return fail("layer must be \"gshhs\", \"border\" or \"river\"");
            const auto* level = properties->getAs<IntegerValue>("level");
            if (!level) return fail("a layer needs a whole-number level");
            gshhgLevel = static_cast<int>(level->value);
            fromGshhg = true;
            kind = groundKindForGshhg(layer, gshhgLevel);
            description = describeGshhgLevel(layer, gshhgLevel);
            return true;
        }
        const IRPCValue* kindValue = properties->get("kind");
        if (!kindValue) return fail("no kind (properties kind, or layer and level)");
        if (kindValue->getType() == IRPCValue::STRING_VALUE) {
            const std::string& name = static_cast<const StringValue*>(kindValue)->value;
            kind = groundKindFromName(name);
            if (kind < 0) return fail("unknown kind \"" + name + "\"");
            description = name;
            return true;
        }
        if (kindValue->getType() == IRPCValue::INTEGER_VALUE) {
            const int64_t code = static_cast<const IntegerValue*>(kindValue)->value;
            if (code >= 0 && code < GroundGeometryElement::KIND_COUNT) {
                kind = static_cast<int>(code);
                description = GroundGeometryElement::getKindName(kind);
                return true;
            }
        }
        return fail("kind must be a kind's name or a number from 0 to " +
                    std::to_string(GroundGeometryElement::KIND_COUNT - 1));
    }

    bool readPositions(const IRPCValue* value, size_t minimum, std::vector<ChartPosition>& points) {
        const ArrayValue* array = asArray(value);
        if (!array) return fail("coordinates must be an array of [longitude, latitude] positions");
        for (const auto& item : array->values) {
            const ArrayValue* position = asArray(item.get());
            double longitude = 0, latitude = 0;
            if (!position || position->size() < 2 || !asNumber(position->get(0), longitude) ||
                !asNumber(position->get(1), latitude))
                return fail("a position must be an array of numbers, [longitude, latitude]");
            if (!isValidPosition(latitude, longitude))
                return fail("position out of range: longitude " + std::to_string(longitude) + ", latitude " +
                            std::to_string(latitude));
            points.emplace_back(longitude, latitude);
        }
        if (points.size() < minimum)
            return fail("a " + std::string(minimum > 2 ? "ring" : "line") + " needs at least " +
                        std::to_string(minimum) + " positions");
        return true;
    }

    bool readLine(const IRPCValue* value, ParsedElements& out) {
        std::vector<ChartPosition> points;
        if (!readPositions(value, 2, points)) return false;
        if (fromGshhg) gshhgLines.push_back(GshhgLine{layer, gshhgLevel, std::move(points)});
        else out.push_back(makeGroundLine(kind, std::move(points), description));
        return true;
    }

    bool readPolygon(const IRPCValue* value, ParsedElements& out) {
        const ArrayValue* rings = asArray(value);
        if (!rings || rings->size() == 0) return fail("a polygon must be an array of rings");
        for (size_t i = 0; i < rings->size(); i++) {
            std::vector<ChartPosition> ring;
            if (!readPositions(rings->get(i), 4, ring)) return false;
            if (i == 0) out.push_back(makeGroundArea(kind, std::move(ring), description));
            else out.push_back(makeGroundLine(kind, std::move(ring), description));
        }
        return true;
    }

    // Each part of a Multi geometry read by part.
    bool readParts(const IRPCValue* value, bool (FeatureReader::*part)(const IRPCValue*, ParsedElements&),
                   ParsedElements& out) {
        const ArrayValue* parts = asArray(value);
        if (!parts) return fail("coordinates of a Multi geometry must be an array");
        for (const auto& item : parts->values)
            if (!(this->*part)(item.get(), out)) return false;
        return true;
    }

    bool readGeometry(const std::string& type, const IRPCValue* coordinates, ParsedElements& out) {
        if (type == "LineString") return readLine(coordinates, out);
        if (type == "MultiLineString") return readParts(coordinates, &FeatureReader::readLine, out);
        if (type == "Polygon") return readPolygon(coordinates, out);
        if (type == "MultiPolygon") return readParts(coordinates, &FeatureReader::readPolygon, out);
        return fail("geometry " + type + " is not a LineString, Polygon or their Multi form");
    }

    int number;
    unsigned line;
    ParseError& error;
    std::vector<GshhgLine>& gshhgLines;
    bool fromGshhg = false;
    GshhgLayer layer = GshhgLayer::SHORES;
    int gshhgLevel = 0;
    int kind = -1;
    std::string description;
};

// The whole text through the project's JSON parser, noting the line on
// which each feature starts for later messages; on a fault, where it lies.
std::unique_ptr<IRPCValue> parseJSON(const std::string& text, const std::string& fileName,
                                     std::vector<unsigned>& featureLines, ParseError& error) {
    JSONParser parser;
    FeatureTracker tracker;
    size_t i = 0;
    for (; i < text.size() && parser.getStatus() == JSONParser::NEED_MORE; i++) {
        tracker.consume(text[i]);
        if (tracker.getFeature() > static_cast<int>(featureLines.size()))
            featureLines.push_back(tracker.getFeatureLine());
        parser.parse(text[i], i + 1 < text.size() ? text[i + 1] : 0);
    }
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) tracker.consume(text[i++]);
    error.fileName = fileName;
    error.line = tracker.getLine();
    const std::string where = tracker.getFeature() > 0 ? "feature " + std::to_string(tracker.getFeature()) + ": " : "";
    if (parser.getStatus() == JSONParser::FAILED) error.message = where + "not valid JSON";
    else if (parser.getStatus() == JSONParser::NEED_MORE) error.message = where + "the file ends inside the JSON text";
    else if (i < text.size()) error.message = "text after the end of the JSON value";
    else return std::unique_ptr<IRPCValue>(parser.stealResult());
    return nullptr;
}

}  // namespace

bool readGeoJSON(std::istream& in, const std::string& fileName, ParsedElements& elements, ParseError& error) {
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<unsigned> lines;
    std::unique_ptr<IRPCValue> document = parseJSON(text, fileName, lines, error);
    if (!document) return false;
    const auto* object =
        document->getType() == IRPCValue::OBJECT_VALUE ? static_cast<ObjectValue*>(document.get()) : nullptr;
    const auto* type = object ? object->getAs<StringValue>("type") : nullptr;
    ParsedElements read;
    std::vector<GshhgLine> gshhgLines;
    if (type && type->value == "Feature") {
        if (!FeatureReader(fileName, 1, 1, error, gshhgLines).read(object, read)) return false;
    } else {
        const auto* features = object ? object->getAs<ArrayValue>("features") : nullptr;
        if (!type || type->value != "FeatureCollection" || !features) {
            error = ParseError{fileName, 1, "not a GeoJSON FeatureCollection or Feature"};
            return false;
        }
        for (size_t i = 0; i < features->size(); i++) {
            const unsigned line = i < lines.size() ? lines[i] : 0;
            if (!FeatureReader(fileName, static_cast<int>(i + 1), line, error, gshhgLines).read(features->get(i), read))
                return false;
        }
    }
    for (auto& element : read) elements.push_back(std::move(element));
    for (auto& element : makeGshhgElements(std::move(gshhgLines))) elements.push_back(std::move(element));
    return true;
}
