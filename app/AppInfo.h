#pragma once

#include <QString>

// Program-wide texts: the application title, the version shown in the
// caption and the maker's web site.
namespace AppInfo {

inline const QString Title = QStringLiteral("QLSetup");
inline const QString VersionText = QStringLiteral("Ver 3.0.6");
inline const QString MakerSite = QStringLiteral("https://www.korvane.example/");

} // namespace AppInfo
