#pragma once
// What the main window's rows keep beside their texts, one item data role
// each, in the first column.

#include <QtCore/qnamespace.h>

namespace ui {

// The job's status (TvxNode), for the log; the image differs from it while
// the status is 0, and for a converted job the user should look at.
constexpr int StatusRole = Qt::UserRole;
constexpr int ImageRole = Qt::UserRole + 1;
// The source file's full name, the whole result (every line), the note of a
// converted job, the step times and the milliseconds spent (-1: unknown).
constexpr int FileRole = Qt::UserRole + 2;
constexpr int ResultRole = Qt::UserRole + 3;
constexpr int NoteRole = Qt::UserRole + 4;
constexpr int TimingsRole = Qt::UserRole + 5;
constexpr int ElapsedRole = Qt::UserRole + 6;

}  // namespace ui
