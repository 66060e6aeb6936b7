#pragma once

// The program's version. It names the first-start marker file and is written
// into data/config.ini as major/minor, so a configuration from an older
// version is recognised and replaced by the standard one.
constexpr unsigned kCirronaVersionMajor = 3;
constexpr unsigned kCirronaVersionMinor = 3;
