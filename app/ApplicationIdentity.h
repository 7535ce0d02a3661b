#pragma once

#include <QIcon>
#include <QString>

#include <array>

class QGuiApplication;

// How the desktop knows the program: its icon, drawn by the artwork generator
// at every size of IconSizes, and the name of its desktop entry.
namespace ApplicationIdentity {

inline constexpr std::array<int, 9> IconSizes = {16, 22, 24, 32, 48, 64, 128, 256, 512};

// Picture name of the icon at one size ("AppIcon48", compiled in as ":/art/AppIcon48.png").
inline QString IconPictureName(int size)
{
    return QStringLiteral("AppIcon%1").arg(size);
}

// "qlsetup": the desktop entry qlsetup.desktop and the themed icon name.
inline const QString DesktopName = QStringLiteral("qlsetup");

// The compiled-in icon at all its sizes; null when the artwork is not linked in.
QIcon Icon();

// Gives the application its window icon and desktop entry name.
void ApplyTo(QGuiApplication &application);

} // namespace ApplicationIdentity
