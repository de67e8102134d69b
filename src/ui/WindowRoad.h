#pragma once
// The program's window road: the application object, the main window, then
// the about window with its start-up ShowAbout call, and the event loop
// until the main window closes. The process-wide objects must exist.

namespace ui {

int RunWindowRoad(int& argc, char** argv);

}  // namespace ui
