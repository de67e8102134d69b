#pragma once
// The program's window road: the application object, the main window, then
// the about window with its start-up ShowAbout call, and the event loop
// until the main window closes. The process-wide objects must exist.

namespace ui {

int RunWindowRoad(int& argc, char** argv);

// Frees the windows the road made and clears their pointers: the about window
// first, since it looks at the main window, then the main window, which
// waits for its converters as it goes. Tests that make the windows free them
// the same way.
void FreeWindows();

}  // namespace ui
