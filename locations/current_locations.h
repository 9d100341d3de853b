// The window's created event: where the five folders live now, and the
// fixed drives offered in every row.
#pragma once

class MainWindow;

void ShowCurrentLocations(MainWindow& window);
