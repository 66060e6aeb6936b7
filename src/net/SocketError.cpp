#include "net/SocketError.h"

#include <execinfo.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <vector>

void printBackTrace(int maxFrames) {
    if (maxFrames <= 0) return;
    std::vector<void*> frames(static_cast<size_t>(maxFrames));
    int count = backtrace(frames.data(), maxFrames);
    // backtrace_symbols_fd writes straight to the descriptor, so whatever
    // stdio still buffers must go out first to keep the lines in order.
    std::fflush(stdout);
    backtrace_symbols_fd(frames.data(), count, STDOUT_FILENO);
}

void reportSocketError(int errorNumber) {
    char text[256];
    // The GNU strerror_r may return a static string instead of filling text.
    const char* message = strerror_r(errorNumber, text, sizeof(text));
    std::printf("errno: %d\n", errorNumber);
    std::printf("socket error: %s\n", message);
    printBackTrace(100);
}
