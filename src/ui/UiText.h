#pragma once
// Conversions between the core's UTF-8 texts and Qt's strings, and the folder
// part of a path as the window splits it.

#include <QString>
#include <string>

#include "platform/text/PathText.h"

namespace ui {

inline QString ToQ(const std::string& text) { return QString::fromStdString(text); }
inline std::string ToStd(const QString& text) { return text.toStdString(); }
// Up to and including the last '/'; empty when there is none.
inline std::string FolderPart(const std::string& path) { return platform::ExtractFilePath(path); }

}  // namespace ui
