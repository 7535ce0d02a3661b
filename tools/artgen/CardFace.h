#pragma once

#include "CardModels.h"

#include <QSize>

class QPainter;

// The rear face of a card: metal plate, thumbscrews, connectors under their
// legends, and the model code.
namespace CardFace {

QSize Size(const CardModel &model);
void Draw(QPainter &painter, const CardModel &model);

} // namespace CardFace
