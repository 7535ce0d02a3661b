#pragma once

#include <QFont>
#include <QString>

// Fonts of the artwork. Pictures are drawn at 72 dots per inch, so a point
// is a pixel.
inline QFont ArtFont(qreal pixels, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPointSizeF(pixels);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
