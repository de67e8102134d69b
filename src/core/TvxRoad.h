#pragma once
// Which way the program goes after start-up: one batch without any window, or
// the main window with its message loop.

class TvxProject;

enum class TvxRoad { Windowless, Window };

// Windowless when PureConsole is true and Source does not hold "http" (a
// case-sensitive test anywhere in the text); the window otherwise. Without a
// desktop to show a window on, a PureConsole run stays windowless whatever
// its Source holds: the window would only fail, and the run needs none.
TvxRoad ChooseRoad(const TvxProject& project, bool hasDesktop);
