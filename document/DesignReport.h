#pragma once

#include <QImage>

#include <array>
#include <functional>

class QPagedPaintDevice;
class TQlsDoc;

// What the page setup chooses for the report.
struct ReportSetup
{
    enum Margin { Left = 0, Right = 1, Top = 2, Bottom = 3 };

    bool portrait = true;
    bool cardAndGroupInfo = true;
    bool programCode = true;
    bool lowResolutionPicture = true;
    bool highResolutionPicture = false;
    std::array<double, 4> margins{}; // inches, indexed by Margin
};

// The design's picture for the report: EnclosurePicture::RenderPicture.
using ReportPicture = std::function<QImage(const TQlsDoc &doc, bool highResolution)>;

// Prints the design report onto a paged device (a printer, a PDF): on every
// page a header with the customer fields, the comments beside them and a
// rule; then the card and group lists, the program lines and the enclosure
// pictures as `setup` chooses. Text that does not fit above the bottom of the
// frame starts a new page. Throws QlError when the device cannot print, when
// the margins leave no room, and when a picture cannot be composed (the pages
// so far stay printed).
void PrintReport(QPagedPaintDevice &device, const TQlsDoc &doc, const ReportSetup &setup,
                 const ReportPicture &picture);
// The same with the design's own enclosure pictures.
void PrintReport(QPagedPaintDevice &device, const TQlsDoc &doc, const ReportSetup &setup);
