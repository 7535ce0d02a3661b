#include "app/QLOptions.h"

#include "app/SettingsKey.h"

TOptions TOptions::Load()
{
    const auto settings = OpenSettingsKey();
    TOptions options;
    const auto readFlag = [&settings](const char *key, bool &field) {
        field = settings->value(QLatin1String(key), field).toBool();
    };
    readFlag("AllowCR", options.AllowCR);
    readFlag("AllowSpace", options.AllowSpace);
    readFlag("AllowTab", options.AllowTab);
    readFlag("AllowEmpty", options.AllowEmpty);
    options.CProgram = settings->value(QStringLiteral("CProgram"), options.CProgram).toString();
    return options;
}
