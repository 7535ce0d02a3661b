#include "app/StoredSettings.h"

#include "app/SettingsKey.h"

namespace {

std::optional<int> optionalInt(const QSettings &settings, const QString &key)
{
    if (!settings.contains(key))
        return std::nullopt;
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

StoredSettings StoredSettings::Load()
{
    const auto settings = OpenSettingsKey();
    StoredSettings stored;
    stored.Left = optionalInt(*settings, QStringLiteral("Left"));
    stored.Top = optionalInt(*settings, QStringLiteral("Top"));
    stored.LastFile = settings->value(QStringLiteral("File0")).toString();
    stored.FontName = settings->value(QStringLiteral("FontName"), stored.FontName).toString();
    stored.FontSize = optionalInt(*settings, QStringLiteral("FontSize")).value_or(stored.FontSize);
    const int baud = optionalInt(*settings, QStringLiteral("Baud")).value_or(0);
    stored.BaudRate = baud == 0 ? 9600 : baud;
    return stored;
}

void StoredSettings::Save() const
{
    const auto settings = OpenSettingsKey();
    settings->setValue(QStringLiteral("File0"), LastFile);
    if (Left)
        settings->setValue(QStringLiteral("Left"), *Left);
    if (Top)
        settings->setValue(QStringLiteral("Top"), *Top);
    settings->setValue(QStringLiteral("FontName"), FontName);
    settings->setValue(QStringLiteral("FontSize"), FontSize);
    settings->setValue(QStringLiteral("Baud"), BaudRate);
    settings->setValue(QStringLiteral("CommPortNo"), CommPortNo);
}
