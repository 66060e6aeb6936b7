#pragma once
#include <pthread.h>

#include <cstddef>

// Starts a POSIX thread running function(argument). A detached thread frees
// itself when it ends; a joinable one must be joined through handleOut. A
// positive stackSize sets the stack (raised to the system minimum if
// smaller). Returns success.
bool createThread(pthread_t* handleOut, void* (*function)(void*), void* argument, bool joinable,
                  size_t stackSize = 0);
