#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <array>

// The program's pictures: card faces, block diagrams, enclosures, the slot
// cover, the wait indicator and the cover-plate photo. Normal pictures are
// compiled-in resources; high-resolution ones are "<name>.bmp" files in
// HiResFolder(), drawn at HiResScale times the size.
namespace Artwork {

inline constexpr int HiResScale = 8;
inline constexpr int CardHeight = 255;
inline constexpr int DiagramHeight = 287;
inline constexpr int DiagramWidth = 423;
// Blank left strip of the block diagrams of the distribution amplifier page,
// whose output panel covers it.
inline constexpr int DiagramPanelStrip = 56;

inline const QString SlotCover = QStringLiteral("QL508-101");
inline const QString WaitBusy = QStringLiteral("WaitBusy");
inline const QString WaitIdle = QStringLiteral("WaitIdle");

// Resource path of a compiled-in picture (":/art/<name>.png").
QString ResourcePath(const QString &name);

// Compiled-in picture by name (model code, "<code>BD", enclosure code,
// WaitBusy, WaitIdle); a null image when there is none of that name.
QImage Picture(const QString &name);

// Block diagram name of a model code: the code followed by "BD".
QString BlockDiagramName(const QString &code);

// The cover-plate photo of the NoControl page, as JPEG bytes (empty if absent).
QByteArray CoverPlateJpeg();

// The maker's logo of the main window and the page setup's orientation pictures.
inline const QString MakerLogo = QStringLiteral("MakerLogo");
inline const QString PortraitPage = QStringLiteral("PagePortrait");
inline const QString LandscapePage = QStringLiteral("PageLandscape");

// HiResFolderOf(the executable's folder).
QString HiResFolder();
// "HiResArt" in `programFolder` when it is there (the build tree), else the
// installed "<data folder>/qlsetup/HiResArt", found relative to `programFolder`.
QString HiResFolderOf(const QString &programFolder);
// "<HiResFolder()>/<name>.bmp".
QString HiResPath(const QString &name);
// High-resolution picture by name; a null image when the file is missing.
QImage HiResPicture(const QString &name);

// Width in pixels of a card face by its slot width 1..4.
constexpr int CardWidth(int slotWidth)
{
    constexpr std::array<int, 4> widths = {30, 62, 93, 125};
    return widths[slotWidth < 1 ? 0 : slotWidth > 4 ? 3 : slotWidth - 1];
}

// Where a card's lowest slot sits in an enclosure picture. Upright cards have
// their top-left corner at (x, y); turned cards their top-right corner.
struct SlotPlace {
    int x = 0;
    int y = 0;
    bool turned = false;
    bool operator==(const SlotPlace &) const = default;
};
using SlotPlaces = std::array<SlotPlace, 20>;

// Enclosure kinds 0..3 have a picture; 4 and 5 (two and one slot) have none.
constexpr int SlotCount(int kind)
{
    constexpr std::array<int, 6> counts = {20, 19, 8, 4, 2, 1};
    return kind >= 0 && kind < 6 ? counts[kind] : 0;
}

inline QString EnclosureName(int kind)
{
    switch (kind) {
    case 0: return QStringLiteral("QL311-102");
    case 1: return QStringLiteral("QL311-100");
    case 2: return QStringLiteral("QL311-101");
    case 3: return QStringLiteral("QL311-106");
    default: return {};
    }
}

inline QSize EnclosureSize(int kind)
{
    switch (kind) {
    case 0: return {665, 280};
    case 1: return {646, 280};
    case 2: return {647, 149};
    case 3: return {322, 146};
    default: return {};
    }
}

// Slot positions of the normal pictures of the enclosure kinds 0..3, which are
// also the document's slot geometry; rows beyond the slot count are zero.
inline SlotPlaces NormalPlaces(int kind)
{
    SlotPlaces places{};
    for (int i = 1; i <= 20; ++i) {
        SlotPlace &p = places[i - 1];
        if (kind == 0 || kind == 1)
            p = {9 + 31 * (i - 1), 4, false};
        else if (kind == 2 && i <= 8)
            p = {i <= 4 ? 285 : 542, 3 + 31 * ((i - 1) % 4), true};
        else if (kind == 3 && i <= 4)
            p = {263, 6 + 31 * (i - 1), true};
    }
    if (kind == 1)
        places[19].x = 608;
    return places;
}

// Slot positions of the high-resolution pictures, in their own pixels.
inline SlotPlaces HiResPlaces(int kind)
{
    constexpr std::array<int, 20> wideX = {33,   280,  527,  775,  1022, 1269, 1517,
                                           1764, 2012, 2259, 2507, 2754, 3002, 3249,
                                           3496, 3744, 3991, 4239, 4486, 4734};
    constexpr std::array<int, 4> kind2Y = {20, 267, 514, 761};
    constexpr std::array<int, 4> kind3Y = {44, 291, 538, 785};
    SlotPlaces places{};
    for (int i = 1; i <= 20; ++i) {
        SlotPlace &p = places[i - 1];
        if (kind == 0 || kind == 1)
            p = {wideX[i - 1], 31, false};
        else if (kind == 2 && i <= 8)
            p = {i <= 4 ? 2244 : 4272, kind2Y[(i - 1) % 4], true};
        else if (kind == 3 && i <= 4)
            p = {2070, kind3Y[i - 1], true};
    }
    return places;
}

} // namespace Artwork
