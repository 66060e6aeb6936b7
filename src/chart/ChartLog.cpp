#include "chart/ChartLog.h"

#include "app/Logger.h"

#include <iostream>

void logChartMessage(const std::string& message) {
    if (logger)
        logger->log(message);
    else
        std::cerr << message << std::endl;
}
