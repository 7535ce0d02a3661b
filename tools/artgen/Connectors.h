#pragma once

#include "CardModels.h"

#include <QSizeF>

class QPainter;
class QPointF;

// Rear-panel connectors as seen on an upright card face, in face pixels.
namespace Connectors {

// Room one connector takes, spacing included.
QSizeF CellSize(const ConnectorGroup &group);

// Draws one connector centred in its cell at `centre`; `index` alternates
// colours of paired jacks (left/right audio).
void Draw(QPainter &painter, const ConnectorGroup &group, const QPointF &centre, int index);

} // namespace Connectors
