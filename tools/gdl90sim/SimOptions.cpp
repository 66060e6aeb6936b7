#include "SimOptions.h"

#include <cstdlib>
#include <functional>
#include <map>
#include <ostream>
#include <sstream>

namespace {
bool toNumber(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && end && *end == '\0';
}

bool parseTarget(const std::string& text, std::string& host, unsigned short& port) {
    // HOST:PORT, with IPv6 addresses in brackets: [::1]:4000.
    const size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon + 1 == text.size()) return false;
    host = text.substr(0, colon);
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
    double p = 0;
    if (host.empty() || !toNumber(text.substr(colon + 1), p) || p < 1 || p > 65535) return false;
    port = static_cast<unsigned short>(p);
    return true;
}

bool parsePosition(const std::string& text, ChartPosition& position) {
    const size_t comma = text.find(',');
    double lat = 0, lon = 0;
    if (comma == std::string::npos || !toNumber(text.substr(0, comma), lat) ||
        !toNumber(text.substr(comma + 1), lon) || lat < -90 || lat > 90 || lon < -180 || lon > 180) {
        return false;
    }
    position = ChartPosition(lon, lat);
    return true;
}

bool parseRoute(const std::string& text, std::vector<ChartPosition>& route) {
    std::istringstream in(text);
    std::string item;
    route.clear();
    while (std::getline(in, item, ';')) {
        ChartPosition p;
        if (!parsePosition(item, p)) return false;
        route.push_back(p);
    }
    return route.size() >= 2;
}

struct Option {
    const char* name;
    const char* argument;  // null: a flag
    const char* help;
    std::function<bool(SimOptions&, const std::string&)> apply;
};

std::function<bool(SimOptions&, const std::string&)> number(double SimOptions::*field, double low, double high) {
    return [=](SimOptions& o, const std::string& text) {
        double v = 0;
        if (!toNumber(text, v) || v < low || v > high) return false;
        o.*field = v;
        return true;
    };
}

std::function<bool(SimOptions&, const std::string&)> planNumber(double FlightPlan::*field, double low, double high) {
    return [=](SimOptions& o, const std::string& text) {
        double v = 0;
        if (!toNumber(text, v) || v < low || v > high) return false;
        o.plan.*field = v;
        return true;
    };
}

std::function<bool(SimOptions&, const std::string&)> count(int FlightPlan::*field) {
    return [=](SimOptions& o, const std::string& text) {
        double v = 0;
        if (!toNumber(text, v) || v < 0 || v > 500 || v != int(v)) return false;
        o.plan.*field = int(v);
        return true;
    };
}

const std::vector<Option>& options() {
    static const std::vector<Option> list = {
        {"--target", "HOST:PORT", "where to send the datagrams (default 127.0.0.1:4000)",
         [](SimOptions& o, const std::string& t) { return parseTarget(t, o.host, o.port); }},
        {"--start", "LAT,LON", "start position in degrees (default 48,11)",
         [](SimOptions& o, const std::string& t) { return parsePosition(t, o.plan.start); }},
        {"--altitude", "FEET", "start pressure altitude (default 3000)",
         planNumber(&FlightPlan::altitudeFeet, -1000, 60000)},
        {"--speed", "KNOTS", "ground speed (default 100)", planNumber(&FlightPlan::speedKnots, 0, 4000)},
        {"--track", "DEGREES", "start track, true (default 90)", planNumber(&FlightPlan::trackDegrees, -360, 360)},
        {"--turn-rate", "DEG/S", "constant turn, positive to the right (default 0)",
         planNumber(&FlightPlan::turnRateDegreesPerSecond, -30, 30)},
        {"--climb", "FT/MIN", "vertical speed (default 0)", planNumber(&FlightPlan::climbFeetPerMinute, -20000, 20000)},
        {"--level-off", "FEET", "altitude where the climb or descent ends (default: none)",
         planNumber(&FlightPlan::levelOffFeet, -1000, 60000)},
        {"--route", "LAT,LON;LAT,LON;...", "fly these positions in a loop instead of a fixed turn",
         [](SimOptions& o, const std::string& t) { return parseRoute(t, o.plan.route); }},
        {"--traffic", "N", "number of traffic targets around the ownship (default 3)", count(&FlightPlan::trafficCount)},
        {"--traffic-without-position", "N", "how many of them are sent without position (default 1)",
         count(&FlightPlan::trafficWithoutPosition)},
        {"--traffic-converging", "N", "how many of them (the last ones) fly at the ownship and pass close (default 0)",
         count(&FlightPlan::trafficConverging)},
        {"--ahrs-rate", "HZ", "ForeFlight AHRS messages per second, 0 for none (default 5)",
         number(&SimOptions::attitudeRate, 0, 50)},
        {"--duration", "SECONDS", "stop after this time (default: run until interrupted)",
         number(&SimOptions::durationSeconds, 0, 1e9)},
        {"--geoid-offset", "FEET", "geometric minus pressure altitude (default 0)",
         number(&SimOptions::geoidOffsetFeet, -5000, 5000)},
        {"--callsign", "TEXT", "ownship call sign, up to 8 characters (default CIRRONA)",
         [](SimOptions& o, const std::string& t) {
             if (t.empty() || t.size() > 8) return false;
             o.callSign = t;
             return true;
         }},
        {"--verbose", nullptr, "print every message sent",
         [](SimOptions& o, const std::string&) { return o.verbose = true; }},
        {"--help", nullptr, "show this text", [](SimOptions& o, const std::string&) { return o.help = true; }},
    };
    return list;
}
}  // namespace

bool parseSimOptions(int argc, char** argv, SimOptions& result, std::string& problem) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const Option* found = nullptr;
        for (const Option& o : options()) {
            if (arg == o.name) found = &o;
        }
        if (!found) {
            problem = "unknown option " + arg;
            return false;
        }
        std::string value;
        if (found->argument) {
            if (i + 1 >= argc) {
                problem = arg + " needs " + found->argument;
                return false;
            }
            value = argv[++i];
        }
        if (!found->apply(result, value)) {
            problem = "bad value for " + arg + ": " + value;
            return false;
        }
    }
    return true;
}

void printSimUsage(std::ostream& out) {
    out << "usage: gdl90sim [options]\n"
           "Sends a simulated flight as GDL90 over UDP: heartbeat, ownship report and\n"
           "geometric altitude at 1 Hz, ForeFlight AHRS, and traffic reports.\n\noptions:\n";
    for (const Option& o : options()) {
        std::string head = std::string("  ") + o.name + (o.argument ? std::string(" ") + o.argument : "");
        out << head;
        if (head.size() < 34) out << std::string(34 - head.size(), ' ');
        else out << "\n" << std::string(34, ' ');
        out << o.help << "\n";
    }
}
