#pragma once

// How the fusion judges the GNSS record an estimation iteration uses.
namespace GPS_Filter {

// Strategies that lean on GNSS velocity accept results below NO_NEW_DATA.
enum FilterResult {
    NEW_ACCEPTED = 0,  // a fresh, fully accepted record in this iteration
    HOLDING = 1,       // the last accepted record is recent enough to steer by
    NO_NEW_DATA = 2,   // nothing usable: do not steer by GNSS
    REJECTED = 3,      // the newest record failed the acceptance rules
};

enum QualityRating { EXCELLENT = 0, GOOD = 1, POOR = 2, UNUSABLE = 3 };

}  // namespace GPS_Filter
