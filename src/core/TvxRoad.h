#pragma once
// Which way the program goes after start-up: one batch without any window, or
// the main window with its message loop.

class TvxProject;

enum class TvxRoad { Windowless, Window };

// Windowless when PureConsole is true and Source does not hold "http" (a
// case-sensitive test anywhere in the text); the window otherwise.
TvxRoad ChooseRoad(const TvxProject& project);
