#include "controller/WebPages.h"

#include "app/AppInfo.h"
#include "app/Desktop.h"
#include "app/SettingsKey.h"
#include "document/CardCatalog.h"

namespace {

// User guides that several models share; a guide's name lists the models it
// covers and ends with the maker's document number.
constexpr const char *VideoDaGuide = "QL324-100_101_105_106_111_112_UG_2210-0101.pdf";
constexpr const char *VgaDaGuide = "QL324-102_103_104_107_108_109_110_UG_2210-0102.pdf";
constexpr const char *LineDriverGuide = "QL324-114_115_116_UG_2210-0114.pdf";
constexpr const char *SVideoDaGuide = "QL324-117_118_120_UG_2210-0117.pdf";
constexpr const char *UtpGuide = "QL324-121_122_123_UG_2210-0121.pdf";
constexpr const char *SwitcherGuide = "QL335-100_106_UG_2210-0135.pdf";
constexpr const char *SVideoSwitcherGuide = "QL335-107_108_UG_2210-0137.pdf";
constexpr const char *KeyboardSwitcherGuide = "QL335-109_QL437-100_UG_2210-0139.pdf";
constexpr const char *MatrixGuide = "QL346-100_119_UG_2210-0146.pdf";
constexpr const char *ReconfigurableGuide = "QL346-106_109_UG_2210-0147.pdf";
constexpr const char *VgaMatrixGuide = "QL346-120_121_UG_2210-0148.pdf";
constexpr const char *UtpMatrixGuide = "QL346-130_132_UG_2210-0149.pdf";
constexpr const char *EngineGuide = "QL368-100_103_201_306_UG_2210-0168.pdf";
constexpr const char *AudioDaGuide = "QL379-100_107_UG_2210-0179.pdf";
constexpr const char *AudioSwitcherGuide = "QL382-100_102_UG_2210-0182.pdf";
constexpr const char *AudioMatrixGuide = "QL393-100_104_UG_2210-0193.pdf";
constexpr const char *ControlGuide = "QL415-100_102_104_UG_2210-0215.pdf";
constexpr const char *PowerGuide = "QL415-105_106_UG_2210-0216.pdf";
constexpr const char *AmplifierGuide = "QL426-100_103_UG_2210-0226.pdf";

// One row per model with a product page or a user guide. Variants share the
// page named after one of them; "QLfff-aaa_bbb" covers the run aaa to bbb.
struct WebRow
{
    const char *code;
    const char *page;  // in ProductFolder, without ".htm"; nullptr: none
    const char *guide; // in GuideFolder; nullptr: none
};

const WebRow WebTable[] = {
    {"QL324-100", "QL324-100", VideoDaGuide},
    {"QL324-101", "QL324-101", VideoDaGuide},
    {"QL324-102", "QL324-102", VgaDaGuide},
    {"QL324-103", "QL324-103", VgaDaGuide},
    {"QL324-104", "QL324-104", VgaDaGuide},
    {"QL324-105", "QL324-100", VideoDaGuide},
    {"QL324-106", "QL324-101", VideoDaGuide},
    {"QL324-107", "QL324-102", VgaDaGuide},
    {"QL324-108", "QL324-103", VgaDaGuide},
    {"QL324-109", "QL324-104", VgaDaGuide},
    {"QL324-110", "QL324-104", VgaDaGuide},
    {"QL324-111", "QL324-100", VideoDaGuide},
    {"QL324-112", "QL324-101", VideoDaGuide},
    {"QL324-113", "QL324-113", "QL324-113_UG_2210-0113.pdf"},
    {"QL324-114", "QL324-114", LineDriverGuide},
    {"QL324-115", "QL324-115_116", LineDriverGuide},
    {"QL324-116", "QL324-115_116", LineDriverGuide},
    {"QL324-117", "QL324-117", SVideoDaGuide},
    {"QL324-118", "QL324-118", SVideoDaGuide},
    {"QL324-120", "QL324-118", SVideoDaGuide},
    {"QL324-121", "QL324-121", UtpGuide},
    {"QL324-122", "QL324-122_123", UtpGuide},
    {"QL324-123", "QL324-122_123", UtpGuide},
    {"QL335-100", "QL335-100", SwitcherGuide},
    {"QL335-101", "QL335-101", SwitcherGuide},
    {"QL335-102", "QL335-102", SwitcherGuide},
    {"QL335-103", "QL335-100", SwitcherGuide},
    {"QL335-104", "QL335-104", SwitcherGuide},
    {"QL335-105", "QL335-105_106", SwitcherGuide},
    {"QL335-106", "QL335-105_106", SwitcherGuide},
    {"QL335-107", "QL335-107", SVideoSwitcherGuide},
    {"QL335-108", "QL335-108", SVideoSwitcherGuide},
    {"QL335-109", "QL335-109", KeyboardSwitcherGuide},
    {"QL335-110", "QL335-110", "QL335-110_UG_2210-0140.pdf"},
    {"QL346-100", "QL346-100", MatrixGuide},
    {"QL346-101", "QL346-100", MatrixGuide},
    {"QL346-102", "QL346-102", MatrixGuide},
    {"QL346-103", "QL346-102", MatrixGuide},
    {"QL346-106", "QL346-106_109", ReconfigurableGuide},
    {"QL346-107", "QL346-106_109", ReconfigurableGuide},
    {"QL346-108", "QL346-106_109", ReconfigurableGuide},
    {"QL346-109", "QL346-106_109", ReconfigurableGuide},
    {"QL346-110", "QL346-110", MatrixGuide},
    {"QL346-111", "QL346-111", MatrixGuide},
    {"QL346-112", "QL346-112", MatrixGuide},
    {"QL346-115", "QL346-115", MatrixGuide},
    {"QL346-118", "QL346-118", MatrixGuide},
    {"QL346-119", "QL346-119", MatrixGuide},
    {"QL346-120", "QL346-120", VgaMatrixGuide},
    {"QL346-121", "QL346-120", VgaMatrixGuide},
    {"QL346-130", "QL346-130_132", UtpMatrixGuide},
    {"QL346-131", "QL346-130_132", UtpMatrixGuide},
    {"QL346-132", "QL346-130_132", UtpMatrixGuide},
    {"QL357-100", "QL357-100", nullptr},
    {"QL357-101", "QL357-101", nullptr},
    {"QL357-103", "QL357-103", "QL357-103_UG_2210-0157.pdf"},
    {"QL357-110", "QL357-110", "QL357-110_UG_2210-0158.pdf"},
    {"QL368-100", "QL368-100", EngineGuide},
    {"QL368-103", "QL368-103", EngineGuide},
    {"QL368-201", "QL368-201_204", EngineGuide},
    {"QL368-202", "QL368-201_204", EngineGuide},
    {"QL368-203", "QL368-201_204", EngineGuide},
    {"QL368-204", "QL368-201_204", EngineGuide},
    {"QL368-301", "QL368-301_306", EngineGuide},
    {"QL368-302", "QL368-301_306", EngineGuide},
    {"QL368-303", "QL368-301_306", EngineGuide},
    {"QL368-304", "QL368-301_306", EngineGuide},
    {"QL368-305", "QL368-301_306", EngineGuide},
    {"QL368-306", "QL368-301_306", EngineGuide},
    {"QL379-100", "QL379-100", AudioDaGuide},
    {"QL379-101", "QL379-100", AudioDaGuide},
    {"QL379-102", "QL379-102", AudioDaGuide},
    {"QL379-103", "QL379-102", AudioDaGuide},
    {"QL379-104", "QL379-104", AudioDaGuide},
    {"QL379-105", "QL379-104", AudioDaGuide},
    {"QL379-106", "QL379-106", AudioDaGuide},
    {"QL379-107", "QL379-104", AudioDaGuide},
    {"QL382-100", "QL382-100", AudioSwitcherGuide},
    {"QL382-101", "QL382-101", AudioSwitcherGuide},
    {"QL382-102", "QL382-102", AudioSwitcherGuide},
    {"QL393-100", "QL393-100_103", AudioMatrixGuide},
    {"QL393-101", "QL393-100_103", AudioMatrixGuide},
    {"QL393-102", "QL393-100_103", AudioMatrixGuide},
    {"QL393-103", "QL393-100_103", AudioMatrixGuide},
    {"QL393-104", "QL393-104", AudioMatrixGuide},
    {"QL415-100", "QL415-100", ControlGuide},
    {"QL415-102", "QL415-102", ControlGuide},
    {"QL415-104", "QL415-104", ControlGuide},
    {"QL415-105", "QL415-105", PowerGuide},
    {"QL415-106", "QL415-106", PowerGuide},
    {"QL426-100", "QL426-100_103", AmplifierGuide},
    {"QL426-101", "QL426-100_103", AmplifierGuide},
    {"QL426-102", "QL426-100_103", AmplifierGuide},
    {"QL426-103", "QL426-100_103", AmplifierGuide},
    {"QL437-100", "QL437-100", KeyboardSwitcherGuide},
};

const WebRow *FindRow(const QString &cardText)
{
    const QString code = CardCatalog::ModelCode(cardText);
    for (const WebRow &row : WebTable)
        if (code == QLatin1String(row.code))
            return &row;
    return nullptr;
}

QUrl SiteFile(const QString &folder, const QString &file)
{
    return QUrl(WebPages::SiteAddress() + folder + file);
}

} // namespace

namespace WebPages {

QString SiteAddress()
{
    QString site = OpenSettingsKey()->value(QStringLiteral("WebSite")).toString().trimmed();
    if (site.isEmpty())
        return AppInfo::MakerSite;
    if (!site.endsWith(u'/'))
        site += u'/';
    return site;
}

QUrl HomePage()
{
    return QUrl(SiteAddress());
}

QUrl FamilyPage()
{
    return SiteFile(ProductFolder, QStringLiteral("Quillon.htm"));
}

QUrl ProductPage(const QString &cardText)
{
    const WebRow *row = FindRow(cardText);
    if (!row || !row->page)
        return {};
    return SiteFile(ProductFolder, QLatin1String(row->page) + QStringLiteral(".htm"));
}

QUrl UserGuide(const QString &cardText)
{
    const WebRow *row = FindRow(cardText);
    if (!row || !row->guide)
        return {};
    return SiteFile(GuideFolder, QLatin1String(row->guide));
}

QString CannotOpenText(const QUrl &url)
{
    return QStringLiteral("No web browser could be started for this address:\n\n%1\n\n"
                          "Please open it in your browser by hand.")
        .arg(url.toString());
}

void Open(Desktop &desktop, const QUrl &url)
{
    if (url.isEmpty())
        return;
    if (!desktop.OpenUrl(url))
        desktop.Inform(CannotOpenText(url));
}

} // namespace WebPages
