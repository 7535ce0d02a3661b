#pragma once

#include <QSettings>

#include <memory>

// The current user's settings of the program: the registry key
// "Software\Korvane\QLSetup" on Windows, ~/.config/Korvane/QLSetup.conf elsewhere.
inline std::unique_ptr<QSettings> OpenSettingsKey()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Korvane"), QStringLiteral("QLSetup"));
}
