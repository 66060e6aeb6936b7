#include "app/ShutdownSignal.h"

#include <csignal>

namespace {
volatile std::sig_atomic_t shutdownRequested = 0;

void onSignal(int) { shutdownRequested = 1; }
}  // namespace

void installShutdownSignalHandlers() {
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool isShutdownRequested() { return shutdownRequested != 0; }

void requestShutdown() { shutdownRequested = 1; }
