#pragma once
#include <string>
#include <vector>

// What a tool run by a test printed and how it ended.
struct ToolRun {
    int status = -1;  // the exit status, or -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Runs a built program with its arguments, without a shell (so paths and
// arguments need no quoting), and captures both of its output streams.
// stdinText, when not empty, is what the program reads on its standard input.
ToolRun runTool(const std::string& program, const std::vector<std::string>& arguments,
                const std::string& stdinText = "");

// The path of one of the project's built tools (cirrona-diag, chartc,
// gdl90sim) in this build tree.
std::string builtTool(const std::string& name);

// Splits a command line at blanks, so that tests can write a call as one string.
std::vector<std::string> splitArguments(const std::string& line);
