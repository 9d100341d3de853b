// The shell's folder-customisation files (desktop.ini) that the personal
// folder and five of its sub-folders receive: fixed UTF-16LE contents.
#pragma once

#include "system/text.h"

enum class Marker { Personal, Favorites, Pictures, Searches, SavedGames, Contacts };

// The whole file: byte-order mark, lines joined by CR LF as the marker wants.
const Bytes& MarkerContent(Marker marker);
