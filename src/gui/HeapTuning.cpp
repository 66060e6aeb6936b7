#include "gui/HeapTuning.h"

#include <malloc.h>

void keepHeapForDrawCalls() {
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    mallopt(M_TOP_PAD, 16 << 20);
}
