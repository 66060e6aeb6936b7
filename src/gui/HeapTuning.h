#pragma once

// Mesa's software renderer takes a fresh 64 KiB block from the heap for the
// vertices of every draw call and frees it after. With the C library's
// default thresholds the heap top is handed back to the kernel and faulted
// in again each time, which makes a draw call cost up to a millisecond on a
// virtual machine. Keeping some megabytes at the heap top removes that cost
// for every driver. Call once at start, before the device is created.
void keepHeapForDrawCalls();
