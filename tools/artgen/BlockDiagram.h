#pragma once

#include "CardModels.h"

#include <QSize>

class QPainter;

// A card's signal path: labelled inputs on the left, the card's function in
// the middle, labelled outputs on the right, features underneath.
namespace BlockDiagram {

QSize Size(const CardModel &model);
void Draw(QPainter &painter, const CardModel &model);

} // namespace BlockDiagram
