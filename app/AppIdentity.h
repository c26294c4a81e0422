#pragma once
// The application's name, version line and project file type.

namespace zorv {

inline constexpr const char* kAppTitle = "ZorvEditor";
inline constexpr const char* kVersionLine = "ZorvEditor v00.06.00";
inline constexpr const char* kProjectFilter = "Zorv File(*.zvd)|*.zvd|All Files(*.*)|*.*||";
inline constexpr int kRecentFileCount = 4;

} // namespace zorv
