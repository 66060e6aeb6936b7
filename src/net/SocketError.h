#pragma once

// Prints up to maxFrames return addresses of the calling thread to standard
// output, so an unexpected socket error shows which code path caused it.
void printBackTrace(int maxFrames = 100);

// Reports a socket error that is neither "no data yet" nor otherwise
// expected: "errno: N", "socket error: <text>" and a back-trace, all on
// standard output. The caller keeps going with a 0/false result.
void reportSocketError(int errorNumber);
