#pragma once

// Creates the screens after the main window, in the program's fixed order.
void CreateScreens();
