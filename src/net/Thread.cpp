#include "net/Thread.h"

#include <climits>
#include <cstdio>
#include <cstring>

bool createThread(pthread_t* handleOut, void* (*function)(void*), void* argument, bool joinable, size_t stackSize) {
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0) return false;
    pthread_attr_setdetachstate(&attributes, joinable ? PTHREAD_CREATE_JOINABLE : PTHREAD_CREATE_DETACHED);
    if (stackSize > 0) {
        if (stackSize < static_cast<size_t>(PTHREAD_STACK_MIN)) stackSize = PTHREAD_STACK_MIN;
        pthread_attr_setstacksize(&attributes, stackSize);
    }
    pthread_t handle;
    int error = pthread_create(&handle, &attributes, function, argument);
    pthread_attr_destroy(&attributes);
    if (error != 0) {
        char text[256];
        std::printf("Could not start a thread: %s\n", strerror_r(error, text, sizeof(text)));
        return false;
    }
    if (handleOut != nullptr) *handleOut = handle;
    return true;
}
