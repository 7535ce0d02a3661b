#include "document/EnclosurePicture.h"

#include "app/QlError.h"
#include "controller/ScanBitmap.h"
#include "document/CardCatalog.h"
#include "document/QlsDoc.h"

#include <QPainter>

namespace {

QImage LoadEnclosure(const QString &name, bool highResolution)
{
    if (!highResolution)
        return Artwork::Picture(name);
    const QImage picture = Artwork::HiResPicture(name);
    if (picture.isNull())
        throw QlError(QStringLiteral("Cannot open file \"%1\"").arg(Artwork::HiResPath(name)));
    return picture;
}

} // namespace

namespace EnclosurePicture {

QImage Render(int kind, const Artwork::SlotPlaces &geometry, const QStringList &cardTexts,
              bool highResolution)
{
    const QString name = Artwork::EnclosureName(kind);
    if (name.isEmpty())
        return {};
    QImage picture = LoadEnclosure(name, highResolution);
    if (picture.isNull())
        return {};
    picture = picture.convertToFormat(QImage::Format_RGB32);
    const Artwork::SlotPlaces places = highResolution ? Artwork::HiResPlaces(kind) : geometry;

    QPainter canvas(&picture);
    for (int slot = 1; slot <= Artwork::SlotCount(kind); ++slot) {
        const QString text = cardTexts.value(slot - 1);
        if (text == TQlsDoc::Reserved)
            continue;
        const QString code = text.isEmpty() ? Artwork::SlotCover : CardCatalog::ModelCode(text);
        const int lowest = slot - CardCatalog::SlotWidth(code) + 1;
        if (lowest < 1)
            continue;
        const Artwork::SlotPlace &place = places[lowest - 1];
        if (highResolution)
            DrawFileBitmap(canvas, Artwork::HiResPath(code), place.x, place.turned, place.y);
        else
            DrawResourceBitmap(canvas, code, place.x, place.turned, place.y);
    }
    return picture;
}

QImage RenderPicture(const TQlsDoc &doc, bool highResolution)
{
    Artwork::SlotPlaces geometry;
    QStringList cardTexts;
    for (int slot = 1; slot <= TQlsDoc::SlotCount; ++slot) {
        const TSlotPlace &place = doc.SlotGeometry(slot);
        geometry[slot - 1] = {place.x, place.y, place.Rotated};
        cardTexts.append(doc.CardText(slot));
    }
    return Render(doc.EnclosureKind(), geometry, cardTexts, highResolution);
}

} // namespace EnclosurePicture
