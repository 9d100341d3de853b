// The hidden link control and the opening of its web address.
#pragma once

#include "system/text.h"

#include <windows.h>

struct LinkControl {
    HWND window = nullptr;  // hidden, never shown
    Text address;
};

// The shell first, then the program registered for .htm files. True when
// one of them accepted the address.
bool OpenLinkAddress(const LinkControl& link);
