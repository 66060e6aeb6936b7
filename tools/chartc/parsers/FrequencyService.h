#pragma once
#include <string>

// An airport frequency row of apt.dat names its service twice: by its row
// code (ATIS, UNICOM, DEL, GND, TWR, APP, DEP) and by the text after the
// frequency ("ABBOTSFORD FSS", "CTAF/UNICOM", "TEST"). The row codes are
// coarse and often misused (flight service, AFIS and test transmitters are
// filed as ATIS or tower), so the text is what the pilot is shown.
struct FrequencyService {
    std::string label;   // the data's own name, or the row's when it gives none
    bool tower = false;  // an air traffic control tower frequency
};

// rowService: the service the row code stands for; text: the rest of the
// row after the frequency (already UTF-8). A text that names a service
// decides whether the frequency is a tower's; a text that names none (a
// place name, nothing at all) leaves that to the row code.
FrequencyService classifyFrequencyService(const std::string& rowService, const std::string& text);
