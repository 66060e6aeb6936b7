#pragma once
#include <functional>
#include <string>
#include <vector>

// One subcommand of cirrona-diag. Each protocol or file format registers its
// own command from its own source file with a static DiagRegistration, so
// adding a command never touches the dispatcher.
struct DiagCommand {
    std::string name;    // first word on the command line, e.g. "ini"
    std::string usage;   // argument synopsis shown in the usage text
    std::string summary; // one line telling what it prints
    // Receives the arguments after the command name; returns the exit status.
    // Bad arguments: print the usage on standard error and return 2.
    std::function<int(const std::vector<std::string>& args)> run;
};

std::vector<DiagCommand>& diagCommands();

struct DiagRegistration {
    explicit DiagRegistration(DiagCommand command);
};

// Prints "usage: cirrona-diag <name> <usage>" to standard error and returns 2.
int diagUsageError(const DiagCommand& command, const std::string& problem = "");
