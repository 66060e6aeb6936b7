#pragma once
#include <string>

// Chart messages go to the program's log when there is one, else to the
// console, so that tools and tests see them too.
void logChartMessage(const std::string& message);
