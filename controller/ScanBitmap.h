#pragma once

#include <QImage>
#include <QString>

#include <vector>

class QPainter;

// Turns a picture by quarter turns. Making it switches the picture to 24 bits
// per pixel (blue, green, red); it keeps row starts into the caller's picture,
// which must outlive it and stay unchanged meanwhile.
class TScanBitmap
{
public:
    explicit TScanBitmap(QImage &bitmap);

    int Height() const { return m_height; }
    int Width() const { return m_width; }

    // Quarter turn clockwise: result (r, c) = source (H - 1 - c, r).
    QImage Rotated90() const;
    // Half turn: result (r, c) = source (H - 1 - r, W - 1 - c).
    QImage Rotated180() const;
    // Quarter turn counter-clockwise: result (r, c) = source (c, W - 1 - r).
    QImage Rotated270() const;

private:
    template <typename SourceOf>
    QImage Turned(int width, int height, SourceOf sourceOf) const;

    int m_height = 0;
    int m_width = 0;
    std::vector<const uchar *> m_rows;
};

// Turn codes of DrawRotated.
enum Turn : int { TurnNone = 0, Turn90 = 64, Turn180 = 128, Turn270 = 192 };

// Draws `bitmap` turned about its top-left corner, which stays at (x, y):
// 0 at (x, y); 64 the clockwise quarter turn at (x - H, y); 128 the half turn at
// (x - W, y - H); 192 the counter-clockwise quarter turn at (x, y - W).
// Any other turn code is an error.
void DrawRotated(const QImage &bitmap, QPainter &canvas, int x, int turn, int y);

// Draws the picture file at `path` (turn 64 when `turned`, else 0). A missing
// file draws nothing; a file that is there but cannot be read is an error.
void DrawFileBitmap(QPainter &canvas, const QString &path, int x, bool turned, int y);

// Draws the compiled-in picture `name` the same way; a missing name draws nothing.
void DrawResourceBitmap(QPainter &canvas, const QString &name, int x, bool turned, int y);
