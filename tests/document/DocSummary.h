#pragma once

#include "document/QlsDoc.h"

#include <QStringList>

// One readable line describing everything a design holds except FILENAME,
// e.g. "kind=2; locked; COMPANY=Acme; C10=QL346-100 ; C8=RESERVED; C3C4G2".
inline QString DocSummary(const TQlsDoc &doc)
{
    static const char *const names[TQlsDoc::InfoFieldCount] = {
        "ACCOUNT", "COMMENT", "COMPANY", "CONTACT", "EMAIL", "FAX",
        "FILENAME", "PHONE", "PROG", "SO", "TSR"};
    QStringList parts{QStringLiteral("kind=%1").arg(doc.EnclosureKind())};
    if (doc.Locked())
        parts << QStringLiteral("locked");
    for (int i = 0; i < TQlsDoc::InfoFieldCount; ++i) {
        QString text = doc.InfoField(i);
        if (i == TQlsDoc::FILENAME || text.isEmpty())
            continue;
        text.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
        parts << QLatin1String(names[i]) + u'=' + text;
    }
    for (int s = 1; s <= TQlsDoc::SlotCount; ++s)
        if (!doc.CardText(s).isEmpty())
            parts << QStringLiteral("C%1=%2").arg(s).arg(doc.CardText(s));
    for (int g = 1; g <= TQlsDoc::GroupCount; ++g)
        if (!doc.GroupList(g).isEmpty())
            parts << doc.GroupList(g);
    return parts.join(QStringLiteral("; "));
}

// Card texts of the models used in the tests, by width.
namespace Cards {
inline const QString OneSlot = QStringLiteral("QL324-100 -  1-IN 6-OUT VIDEO DA; 425 MHZ; OUT CNTRL; GLI;  1 SLOT; ");
inline const QString TwoSlot = QStringLiteral("QL324-103 -  1-IN 6-OUT VGA DA; 425 MHZ; EXPAND; OUT CNTRL; 2 SLOT; ");
inline const QString ThreeSlot = QStringLiteral("QL346-100 -  16 X 8 VIDEO MATRIX SWITCHER; 425 MHZ; GLI;  3 SLOT;");
inline const QString FourSlot = QStringLiteral("QL346-112 -  16 X 16 VIDEO MATRIX SWITCHER  4 SLOT; 325 MHZ; ");

inline QString OfWidth(int width)
{
    return QStringList{OneSlot, TwoSlot, ThreeSlot, FourSlot}.at(width - 1);
}
} // namespace Cards
