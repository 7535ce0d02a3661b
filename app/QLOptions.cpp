#include "app/QLOptions.h"

#include "app/SettingsKey.h"

namespace {

// A stored switch: a number (0 is off) or a true/false word; anything else
// cannot be read and leaves `field` at its default.
void readSwitch(const QSettings &settings, const char *key, bool &field)
{
    const QVariant stored = settings.value(QLatin1String(key));
    if (stored.typeId() == QMetaType::Bool) {
        field = stored.toBool();
        return;
    }
    bool isNumber = false;
    const int number = stored.toInt(&isNumber);
    const QString word = stored.toString().trimmed();
    if (isNumber)
        field = number != 0;
    else if (word.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        field = true;
    else if (word.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        field = false;
}

} // namespace

TOptions TOptions::Load()
{
    const auto settings = OpenSettingsKey();
    TOptions options;
    readSwitch(*settings, "AllowCR", options.AllowCR);
    readSwitch(*settings, "AllowSpace", options.AllowSpace);
    readSwitch(*settings, "AllowTab", options.AllowTab);
    readSwitch(*settings, "AllowEmpty", options.AllowEmpty);
    options.CProgram = settings->value(QStringLiteral("CProgram"), options.CProgram).toString();
    return options;
}
