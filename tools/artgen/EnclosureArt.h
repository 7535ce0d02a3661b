#pragma once

#include "document/Artwork.h"

#include <QSize>

class QPainter;

// The rear of an enclosure with its empty slot openings, slot numbers and
// power entry.
namespace EnclosureArt {

// `places` are the slot positions in picture pixels divided by `unit` (1 for
// the normal picture, the high-resolution scale for the large one), so both
// pictures put their openings exactly where the cards are drawn.
void Draw(QPainter &painter, int kind, const Artwork::SlotPlaces &places, qreal unit);

} // namespace EnclosureArt
