#pragma once

#include <QDate>
#include <QImage>
#include <QString>

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
    bool pageFooter = true; // file name, print date and "Page n of m" below the frame
    // Inches from the paper's edge, indexed by Margin; the printer's
    // unprintable area is kept free whatever they say.
    std::array<double, 4> margins{};
};

// What the page footer names.
struct ReportFooter
{
    QString fileName; // the design's file name without folder
    QDate printed;

    // The document's file name ("Untitled" before it was saved) and today.
    static ReportFooter For(const TQlsDoc &doc);
};

// The design's picture for the report: EnclosurePicture::RenderPicture.
using ReportPicture = std::function<QImage(const TQlsDoc &doc, bool highResolution)>;

// Prints the design report onto a paged device (a printer, a PDF): on every
// page a header with the customer fields, the comments beside them and a
// rule; then the card and group lists, the program lines and the enclosure
// pictures as `setup` chooses; below the frame of each page the footer.
// Text that does not fit above the bottom of the frame starts a new page.
// The device's page margins become the printer's minimum margins. Throws
// QlError when the device cannot print, when the margins leave no room, and
// when a picture cannot be composed (the pages so far stay printed).
// Returns the number of pages printed.
int PrintReport(QPagedPaintDevice &device, const TQlsDoc &doc, const ReportSetup &setup,
                const ReportFooter &footer, const ReportPicture &picture);
// The same with ReportFooter::For(doc) and the design's own enclosure pictures.
int PrintReport(QPagedPaintDevice &device, const TQlsDoc &doc, const ReportSetup &setup);
