#pragma once

#include <QString>

#include <optional>

// The main window's values kept between runs (organisation "Korvane",
// application "QLSetup"). Absent values take their defaults.
struct StoredSettings
{
    QString LastFile;              // "File0"
    std::optional<int> Left;       // "Left", only when stored
    std::optional<int> Top;        // "Top", only when stored
    QString FontName = QStringLiteral("Courier New");
    int FontSize = 8;
    int BaudRate = 9600;           // "Baud"; a stored 0 also gives 9600
    int CommPortNo = 0;            // written at exit, never read back

    static StoredSettings Load();
    void Save() const;
};
