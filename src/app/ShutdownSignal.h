#pragma once

// SIGINT and SIGTERM ask the program to end the way closing its window does,
// so a service manager or a test stopping the process still gets an orderly
// shutdown that saves what must be saved.
void installShutdownSignalHandlers();
bool isShutdownRequested();
void requestShutdown();
