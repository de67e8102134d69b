#pragma once
// The main window's menu bar: File, Run and Help hold every command of the
// window, each with the desktop's standard key where there is one (Ctrl+O,
// Ctrl+S, Ctrl+Q, F1) and F5 to convert, Escape to stop a run.

class QMenuBar;
class TvxFrmMain;

namespace ui {

// Made from the window's actions; the window owns the bar.
QMenuBar* BuildMainMenuBar(TvxFrmMain& window);

}  // namespace ui
