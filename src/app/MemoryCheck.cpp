#include "app/MemoryCheck.h"

#include <cinttypes>
#include <cstdio>
#include <sys/sysinfo.h>
#include <unistd.h>

uint64_t getSystemMemory() {
    struct sysinfo info;
    if (::sysinfo(&info) != 0) return 262144;
    return static_cast<uint64_t>(info.totalram) * info.mem_unit;
}

unsigned getCPUCoreCount() {
    const long count = ::sysconf(_SC_NPROCESSORS_ONLN);
    return count > 0 ? static_cast<unsigned>(count) : 1u;
}

std::wstring getMemoryErrorMessage(uint64_t ramBytes) {
    if (ramBytes >= kMinimumMemoryBytes) return L"";
    return L"Error: Not enough memory (" + std::to_wstring(ramBytes / 1000000) + L"MB RAM) installed.\nAt least " +
           std::to_wstring(kMinimumMemoryBytes / 1000000) +
           L"MB RAM are required to run \"Cirrona - Your Portable Glass Cockpit\".";
}

std::wstring checkSystemMemory() {
    const uint64_t ram = getSystemMemory();
    std::printf("actualRam: %" PRIu64 " bytes\n", ram);
    return getMemoryErrorMessage(ram);
}
