#pragma once

#include <QByteArray>
#include <QList>

class QPainter;
struct CardModel;

// Small pictures of the main window and the cover-plate photo.
namespace Extras {

// The wait indicator: an hourglass while sending, a green lamp when idle.
void DrawBusy(QPainter &painter);
void DrawIdle(QPainter &painter);
inline constexpr int IconSize = 16;

// The NoControl page's photo: a chassis with cards and cover plates and a
// cover plate in front, encoded as JPEG.
QByteArray CoverPlatePhoto(const QList<CardModel> &models);

} // namespace Extras
