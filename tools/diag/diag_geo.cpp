// cirrona-diag geo: the geodesy functions from the command line, one number
// per call, so results can be checked against other tools.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "DiagCommand.h"
#include "DiagSupport.h"
#include "geo/GeoidGrid.h"
#include "geo/Geodesy.h"
#include "geo/MagneticModel.h"

namespace {

DiagCommand makeCommand() {
    DiagCommand command;
    command.name = "geo";
    command.usage =
        "distance LON1 LAT1 LON2 LAT2 | bearing LON1 LAT1 LON2 LAT2 | magvar LON LAT HEIGHT_M [DECIMAL_YEAR] | "
        "undulation LON LAT";
    command.summary =
        "prints the distance (m), initial bearing (degrees true), magnetic declination (degrees, east positive; "
        "height above the WGS-84 ellipsoid) or EGM96 geoid undulation (m)";
    return command;
}

// Reads args[first..] as numbers; the count must match exactly.
bool parseNumbers(const std::vector<std::string>& args, size_t count, std::vector<double>& out, std::string& problem) {
    if (args.size() - 1 != count) {
        problem = "expected " + std::to_string(count) + " numbers after \"" + args[0] + "\"";
        return false;
    }
    out.resize(count);
    for (size_t i = 0; i < count; ++i) {
        if (!parseNumber(args[i + 1], out[i])) {
            problem = "not a number: \"" + args[i + 1] + "\"";
            return false;
        }
    }
    return true;
}

bool parsePosition(double longitude, double latitude, ChartPosition& position, std::string& problem) {
    if (latitude < -90.0 || latitude > 90.0) {
        problem = "latitude out of range [-90, 90]";
        return false;
    }
    position = ChartPosition(longitude, latitude);
    return true;
}

void printNumber(double value, int decimals) {
    std::printf("%.*f\n", decimals, value);
}

int run(const DiagCommand& self, const std::vector<std::string>& args) {
    if (args.empty()) return diagUsageError(self, "missing function");
    const std::string& function = args[0];
    std::vector<double> n;
    std::string problem;
    ChartPosition a, b;
    if (function == "distance" || function == "bearing") {
        if (!parseNumbers(args, 4, n, problem) || !parsePosition(n[0], n[1], a, problem) ||
            !parsePosition(n[2], n[3], b, problem)) {
            return diagUsageError(self, problem);
        }
        if (function == "distance") {
            printNumber(calcDistance2(a, b), 3);
        } else {
            printNumber(calcBearing2(a, b), 6);
        }
        return 0;
    }
    if (function == "magvar") {
        size_t count = args.size() == 5 ? 4 : 3;
        if (!parseNumbers(args, count, n, problem) || !parsePosition(n[0], n[1], a, problem)) {
            return diagUsageError(self, problem);
        }
        bool modelOk = false;
        GeoMatrix3 transform =
            count == 4 ? createMagTransform(a, n[2], n[3], &modelOk) : createMagTransform(a, n[2], &modelOk);
        if (!modelOk) {
            std::cerr << "cirrona-diag geo: the magnetic model is not available\n";
            return 1;
        }
        printNumber(calcMagneticVariation(transform) * DEGREES_PER_RADIAN, 4);
        return 0;
    }
    if (function == "undulation") {
        if (!parseNumbers(args, 2, n, problem) || !parsePosition(n[0], n[1], a, problem)) {
            return diagUsageError(self, problem);
        }
        printNumber(geoidUndulation(a), 3);
        return 0;
    }
    return diagUsageError(self, "unknown function \"" + function + "\"");
}

const DiagRegistration registration([] {
    DiagCommand command = makeCommand();
    command.run = [](const std::vector<std::string>& args) {
        static const DiagCommand self = makeCommand();
        return run(self, args);
    };
    return command;
}());

}  // namespace
