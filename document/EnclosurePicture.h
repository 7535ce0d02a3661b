#pragma once

#include "document/Artwork.h"

#include <QImage>
#include <QStringList>

class TQlsDoc;

// Composes the picture of a whole design: the enclosure with every card's face
// at its lowest slot, upright or turned, and slot covers on empty slots.
namespace EnclosurePicture {

// `cardTexts` holds the 20 slot texts (slot 1 first; missing entries count as
// empty); `geometry` the normal-resolution slot positions of the design. High
// resolution draws the HiResArt files at their own positions instead. Kinds
// without a picture (4 and 5) give a null image. A missing high-resolution
// enclosure file raises QlError; a missing card picture is skipped.
QImage Render(int kind, const Artwork::SlotPlaces &geometry, const QStringList &cardTexts,
              bool highResolution);

// RenderPicture of a design: Render with the document's enclosure kind, slot
// geometry and card texts. The caller owns the result.
QImage RenderPicture(const TQlsDoc &doc, bool highResolution);

} // namespace EnclosurePicture
