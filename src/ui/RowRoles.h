#pragma once
// What the main window's rows keep beside their texts, one item data role
// each, in the first column.

#include <QtCore/qnamespace.h>

namespace ui {

// The job's status (TvxNode), for the log; the image differs from it while
// the status is 0, and for a converted job the user should look at.
constexpr int StatusRole = Qt::UserRole;
constexpr int ImageRole = Qt::UserRole + 1;
// The job's index, the full path (name column) and a column's value for
// sorting (time, pages).
constexpr int JobRole = Qt::UserRole + 2;
constexpr int PathRole = Qt::UserRole + 3;
constexpr int ValueRole = Qt::UserRole + 4;
// The whole result (every line), the note of a converted job and the step
// times.
constexpr int ResultRole = Qt::UserRole + 5;
constexpr int NoteRole = Qt::UserRole + 6;
constexpr int TimingsRole = Qt::UserRole + 7;

}  // namespace ui
