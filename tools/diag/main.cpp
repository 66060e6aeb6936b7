#include "DiagCommand.h"

#include <algorithm>
#include <iostream>

std::vector<DiagCommand>& diagCommands() {
    static std::vector<DiagCommand> commands;
    return commands;
}

DiagRegistration::DiagRegistration(DiagCommand command) {
    diagCommands().push_back(std::move(command));
}

int diagUsageError(const DiagCommand& command, const std::string& problem) {
    if (!problem.empty()) std::cerr << "cirrona-diag " << command.name << ": " << problem << "\n";
    std::cerr << "usage: cirrona-diag " << command.name << " " << command.usage << "\n";
    return 2;
}

namespace {
void printUsage(std::ostream& out) {
    auto commands = diagCommands();
    std::sort(commands.begin(), commands.end(),
              [](const DiagCommand& a, const DiagCommand& b) { return a.name < b.name; });
    out << "usage: cirrona-diag <command> [arguments]\n\ncommands:\n";
    for (const DiagCommand& c : commands) {
        out << "  " << c.name << " " << c.usage << "\n      " << c.summary << "\n";
    }
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        printUsage(std::cerr);
        return 2;
    }
    std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        printUsage(std::cout);
        return 0;
    }
    for (const DiagCommand& c : diagCommands()) {
        if (c.name == name) return c.run(std::vector<std::string>(argv + 2, argv + argc));
    }
    std::cerr << "cirrona-diag: unknown command \"" << name << "\"\n";
    printUsage(std::cerr);
    return 2;
}
