// cirrona-diag ini: shows how the program reads an INI configuration file.
#include "DiagCommand.h"
#include "DiagSupport.h"

#include "base/IniFile.h"

#include <cstdio>
#include <iostream>
#include <sys/stat.h>

namespace {

// {"section": {"key": "value", ...}, ...} with sections and keys in the
// order the program keeps them (byte-wise); the unnamed section is "".
std::string toJson(const IniFile& ini) {
    std::string out = "{";
    bool firstSection = true;
    for (const auto& [name, values] : ini.getSections()) {
        out += firstSection ? "\n  " : ",\n  ";
        firstSection = false;
        out += jsonString(name) + ": {";
        bool firstValue = true;
        for (const auto& [key, value] : values) {
            out += firstValue ? "\n    " : ",\n    ";
            firstValue = false;
            out += jsonString(key) + ": " + jsonString(value);
        }
        out += firstValue ? "}" : "\n  }";
    }
    out += firstSection ? "}\n" : "\n}\n";
    return out;
}

const DiagCommand kIniCommand{
    "ini", "[--text] FILE",
    "prints the INI file as the program reads it: JSON {section: {key: value}} in the program's order "
    "(unnamed section \"\"; bytes that are not valid UTF-8 appear as \\u00XX each), or with --text its "
    "text form as the program writes it",
    [](const std::vector<std::string>& args) -> int {
        bool asText = false;
        std::string path;
        for (const std::string& arg : args) {
            if (arg == "--text" && !asText) {
                asText = true;
            } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
                return diagUsageError(kIniCommand, "unknown option \"" + arg + "\"");
            } else if (path.empty()) {
                path = arg;
            } else {
                return diagUsageError(kIniCommand, "more than one file given");
            }
        }
        if (path.empty()) return diagUsageError(kIniCommand, "no file given");
        if (path == "-") path = "/dev/stdin";

        struct stat info;
        if (::stat(path.c_str(), &info) != 0) {
            std::cerr << "cirrona-diag ini: cannot open \"" << path << "\"\n";
            return 2;
        }
        if (S_ISDIR(info.st_mode)) {
            std::cerr << "cirrona-diag ini: \"" << path << "\" is a directory\n";
            return 2;
        }
        IniFile ini;
        if (!ini.readFile(path)) {
            std::cerr << "cirrona-diag ini: cannot read \"" << path << "\"\n";
            return 2;
        }
        const std::string output = asText ? ini.toString() : toJson(ini);
        std::fwrite(output.data(), 1, output.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }};

const DiagRegistration registration(kIniCommand);

}  // namespace
