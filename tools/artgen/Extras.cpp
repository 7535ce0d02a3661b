#include "Extras.h"

#include "ArtOutput.h"
#include "CardFace.h"
#include "CardModels.h"
#include "DrawingKit.h"
#include "EnclosureArt.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>

#include <stdexcept>

namespace Extras {

void DrawBusy(QPainter &p)
{
    QPainterPath glass;
    glass.moveTo(3.5, 2.5);
    glass.lineTo(12.5, 2.5);
    glass.cubicTo(12.5, 6.5, 9, 7, 9, 8);
    glass.cubicTo(9, 9, 12.5, 9.5, 12.5, 13.5);
    glass.lineTo(3.5, 13.5);
    glass.cubicTo(3.5, 9.5, 7, 9, 7, 8);
    glass.cubicTo(7, 7, 3.5, 6.5, 3.5, 2.5);
    p.setPen(QPen(QColor(0x20, 0x30, 0x60), 0.8));
    p.setBrush(QColor(0xe8, 0xf4, 0xff));
    p.drawPath(glass);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe0, 0xa0, 0x20));
    QPolygonF top{QPointF(5, 4.5), QPointF(11, 4.5), QPointF(8, 7.6)};
    p.drawPolygon(top);
    QPolygonF heap{QPointF(4.6, 13), QPointF(11.4, 13), QPointF(8, 10.5)};
    p.drawPolygon(heap);
    p.drawRect(QRectF(7.7, 7.5, 0.6, 3.2));
    p.setBrush(QColor(0x80, 0x50, 0x20));
    p.drawRect(QRectF(2.5, 1, 11, 1.6));
    p.drawRect(QRectF(2.5, 13.4, 11, 1.6));
}

void DrawIdle(QPainter &p)
{
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 0.8));
    p.setBrush(QColor(0x90, 0x94, 0x9a));
    p.drawEllipse(QPointF(8, 8), 7, 7);
    QRadialGradient lamp(QPointF(6.5, 6.5), 6);
    lamp.setColorAt(0, QColor(0xc8, 0xff, 0xc0));
    lamp.setColorAt(0.5, QColor(0x30, 0xd0, 0x30));
    lamp.setColorAt(1, QColor(0x10, 0x70, 0x10));
    p.setBrush(lamp);
    p.drawEllipse(QPointF(8, 8), 5.2, 5.2);
}

QByteArray CoverPlatePhoto(const QList<CardModel> &models)
{
    const QSize size(360, 180);
    const Drawing photo = [&models, size](QPainter &p) {
        QLinearGradient studio(0, 0, 0, size.height());
        studio.setColorAt(0, QColor(0xf4, 0xf6, 0xfa));
        studio.setColorAt(1, QColor(0xb8, 0xc0, 0xcc));
        p.fillRect(QRectF(QPointF(0, 0), QSizeF(size)), studio);

        // The 20-slot chassis, small, with a few cards and cover plates.
        p.save();
        p.translate(8, 22);
        p.scale(0.42, 0.42);
        const Artwork::SlotPlaces places = Artwork::NormalPlaces(0);
        EnclosureArt::Draw(p, 0, places, 1);
        const QStringList fitted = {QStringLiteral("QL324-100"), QStringLiteral("QL335-100"),
                                    QStringLiteral("QL346-102"), QStringLiteral("QL379-102"),
                                    QStringLiteral("QL415-104"), QStringLiteral("QL357-103")};
        int slot = 1;
        for (const CardModel &model : models) {
            if (!fitted.contains(model.code))
                continue;
            p.save();
            p.translate(places[slot - 1].x, places[slot - 1].y);
            CardFace::Draw(p, model);
            p.restore();
            slot += model.slotWidth;
        }
        for (; slot <= 20; ++slot) {
            p.save();
            p.translate(places[slot - 1].x, places[slot - 1].y);
            CardFace::Draw(p, models.first());
            p.restore();
        }
        p.restore();

        // A cover plate in front, larger, with its shadow.
        p.save();
        p.translate(300, 14);
        p.rotate(4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawRoundedRect(QRectF(4, 4, 30 * 0.62, 255 * 0.62), 2, 2);
        p.scale(0.62, 0.62);
        CardFace::Draw(p, models.first());
        p.restore();

        p.setPen(QColor(0x20, 0x28, 0x40));
        p.setFont(ArtFont(11, true));
        p.drawText(QRectF(8, 2, 280, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("QUILLON"));
        p.setFont(ArtFont(8));
        p.drawText(QRectF(8, 148, 280, 12), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("QL508-101 card slot cover plate"));
        p.drawText(QRectF(8, 160, 280, 12), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Click for the Quillon product family"));
    };
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!ArtOutput::Render(size, photo, 1).save(&buffer, "JPG", 90))
        throw std::runtime_error("cannot encode the cover-plate photo");
    return bytes;
}

} // namespace Extras
