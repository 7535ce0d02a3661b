#include "CardModels.h"

#include "document/Artwork.h"
#include "document/CardCatalog.h"
#include "pages/PageDispatch.h"

#include <QHash>
#include <QRegularExpression>

namespace {

// Face text: "<type> <count> <legend>; ..." with the types below.
QList<ConnectorGroup> ParseFace(const char *text)
{
    static const QHash<QString, std::pair<Connector, int>> types = {
        {QStringLiteral("BNC"), {Connector::Bnc, 1}},     {QStringLiteral("HD15"), {Connector::Hd15, 1}},
        {QStringLiteral("RJ45"), {Connector::Rj45, 1}},   {QStringLiteral("TB2"), {Connector::Tb, 2}},
        {QStringLiteral("TB3"), {Connector::Tb, 3}},      {QStringLiteral("TB5"), {Connector::Tb, 5}},
        {QStringLiteral("JACK"), {Connector::Jack35, 1}}, {QStringLiteral("RCA"), {Connector::Rca, 1}},
        {QStringLiteral("IEC"), {Connector::Iec, 1}},     {QStringLiteral("NEMA"), {Connector::Nema, 1}},
        {QStringLiteral("ST"), {Connector::FiberSt, 1}},  {QStringLiteral("MDIN4"), {Connector::MiniDin4, 1}},
        {QStringLiteral("MDIN6"), {Connector::MiniDin6, 1}}, {QStringLiteral("USB"), {Connector::Usb, 1}},
        {QStringLiteral("DB9"), {Connector::Db9, 1}},
    };
    QList<ConnectorGroup> groups;
    for (const QString &part : QString::fromLatin1(text).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList words = part.trimmed().split(QLatin1Char(' '));
        const auto type = types.value(words.value(0));
        groups.append({type.first, words.value(1).toInt(), words.mid(2).join(QLatin1Char(' ')),
                       type.second});
    }
    return groups;
}

// Signal text: "<name>*<count>" for separate lines, "<name>/<count>" for a
// bus, separated by commas.
QList<Signal> ParseSignals(const char *text)
{
    QList<Signal> signalList;
    for (const QString &part : QString::fromLatin1(text).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const bool bus = part.contains(QLatin1Char('/')) && !part.contains(QLatin1Char('*'));
        const QStringList pieces = part.trimmed().split(QLatin1Char(bus ? '/' : '*'));
        signalList.append({pieces.value(0), pieces.value(1, QStringLiteral("1")).toInt(), bus});
    }
    return signalList;
}

struct Row {
    const char *code;
    const char *face;
    Function function;
    const char *caption;
    const char *inputs;
    const char *outputs;
    int diagramWidth = Artwork::DiagramWidth;
};

using F = Function;

// Pictures of the models without a catalog line.
const QHash<QString, QString> &ExtraDescriptions()
{
    static const QHash<QString, QString> descriptions = {
        {QStringLiteral("QL324-119"), QStringLiteral("1-IN 4-OUT VGA DA; 350 MHZ; 1 SLOT;")},
        {QStringLiteral("QL346-113"), QStringLiteral("4 X 4 VIDEO MATRIX SWITCHER; 350 MHZ; 1 SLOT;")},
        {QStringLiteral("QL346-114"), QStringLiteral("4 X 4 SYNC MATRIX SWITCHER; 1 SLOT;")},
    };
    return descriptions;
}

const Row Rows[] = {
    {"QL508-101", "", F::Cover, "", "", "", 0},
    {"QL324-100", "BNC 1 IN; BNC 6 OUT", F::Amplifier, "VIDEO DA", "VIDEO*1", "VIDEO*6"},
    {"QL324-101", "BNC 8 OUT", F::Expansion, "VIDEO DA EXPANSION", "MAIN DA*1", "VIDEO*8", 218},
    {"QL324-102", "HD15 1 IN; HD15 3 OUT", F::Amplifier, "VGA DA", "VGA*1", "VGA*3"},
    {"QL324-103", "HD15 1 IN; HD15 6 OUT", F::Amplifier, "VGA DA", "VGA*1", "VGA*6"},
    {"QL324-104", "HD15 6 OUT", F::Expansion, "VGA DA EXPANSION", "MAIN DA*1", "VGA*6"},
    {"QL324-105", "BNC 1 IN; BNC 6 OUT", F::Amplifier, "VIDEO DA", "VIDEO*1", "VIDEO*6"},
    {"QL324-106", "BNC 8 OUT", F::Expansion, "VIDEO DA EXPANSION", "MAIN DA*1", "VIDEO*8", 218},
    {"QL324-107", "HD15 1 IN; HD15 3 OUT", F::Amplifier, "VGA DA", "VGA*1", "VGA*3"},
    {"QL324-108", "HD15 1 IN; HD15 6 OUT", F::Amplifier, "VGA DA", "VGA*1", "VGA*6"},
    {"QL324-109", "HD15 6 OUT", F::Expansion, "VGA DA EXPANSION", "MAIN DA*1", "VGA*6"},
    {"QL324-110", "HD15 6 OUT", F::Expansion, "VGA DA EXPANSION", "MAIN DA*1", "VGA*6"},
    {"QL324-111", "BNC 1 IN; BNC 6 OUT", F::Amplifier, "VIDEO DA", "VIDEO*1", "VIDEO*6"},
    {"QL324-112", "BNC 8 OUT", F::Expansion, "VIDEO DA EXPANSION", "MAIN DA*1", "VIDEO*8", 218},
    {"QL324-113", "BNC 4 IN; BNC 4 OUT", F::Channels, "VIDEO LINE DRIVER", "VIDEO*4", "VIDEO*4"},
    {"QL324-114", "HD15 2 IN; HD15 2 OUT", F::Channels, "VGA LINE DRIVER", "VGA*2", "VGA*2"},
    {"QL324-115", "HD15 2 IN; RJ45 2 OUT", F::Channels, "VGA TO CAT-5 TX", "VGA*2", "CAT-5*2"},
    {"QL324-116", "RJ45 2 IN; HD15 2 OUT", F::Channels, "CAT-5 TO VGA RX", "CAT-5*2", "VGA*2"},
    {"QL324-117", "MDIN4 1 IN; MDIN4 6 OUT", F::Amplifier, "S-VIDEO DA", "S-VIDEO*1", "S-VIDEO*6"},
    {"QL324-118", "MDIN4 1 S-V IN; MDIN4 3 S-V OUT; BNC 1 VID IN; BNC 3 VID OUT", F::Amplifier,
     "DUAL DA", "S-VIDEO*1, VIDEO*1", "S-VIDEO*3, VIDEO*3"},
    {"QL324-119", "HD15 1 IN; HD15 4 OUT", F::Amplifier, "VGA DA", "VGA*1", "VGA*4"},
    {"QL324-120", "MDIN4 1 S-V IN; MDIN4 3 S-V OUT; BNC 1 VID IN; BNC 3 VID OUT", F::Amplifier,
     "DUAL DA", "S-VIDEO*1, VIDEO*1", "S-VIDEO*3, VIDEO*3"},
    {"QL324-121", "RJ45 1 IN; RJ45 8 OUT", F::Amplifier, "UTP DA 4 CH", "UTP*1", "UTP*8"},
    {"QL324-122", "HD15 1 VGA; BNC 1 VIDEO; MDIN4 1 S-VID; JACK 1 AUDIO; RJ45 1 UTP", F::Scaler,
     "UTP TRANSMITTER", "VGA*1, VIDEO*1, S-VIDEO*1, AUDIO*1", "UTP*1"},
    {"QL324-123", "RJ45 1 UTP; HD15 1 VGA; BNC 1 VIDEO; MDIN4 1 S-VID; JACK 1 AUDIO", F::Scaler,
     "UTP RECEIVER", "UTP*1", "VGA*1, VIDEO*1, S-VIDEO*1, AUDIO*1"},
    {"QL335-100", "BNC 6 IN; BNC 1 OUT", F::Switcher, "VIDEO SWITCHER", "VIDEO*6", "VIDEO*1"},
    {"QL335-101", "BNC 8 IN", F::Expansion, "SWITCHER EXPANSION", "VIDEO*8", "TO MAIN SW*1", 378},
    {"QL335-102", "HD15 6 IN; HD15 1 OUT", F::Switcher, "VGA SWITCHER", "VGA*6", "VGA*1"},
    {"QL335-103", "BNC 6 IN; BNC 1 OUT", F::Switcher, "VIDEO SWITCHER", "VIDEO*6", "VIDEO*1"},
    {"QL335-104", "HD15 6 IN", F::Expansion, "SWITCHER EXPANSION", "VGA*6", "TO MAIN SW*1"},
    {"QL335-105", "HD15 3 IN; HD15 1 OUT", F::Switcher, "VGA SWITCHER", "VGA*3", "VGA*1"},
    {"QL335-106", "HD15 3 IN", F::Expansion, "SWITCHER EXPANSION", "VGA*3", "TO MAIN SW*1"},
    {"QL335-107", "BNC 3 VID IN; BNC 1 VID OUT; MDIN4 3 S-V IN; MDIN4 1 S-V OUT", F::Switcher,
     "VIDEO / S-VIDEO SWITCHER", "VIDEO*3, S-VIDEO*3", "VIDEO*1, S-VIDEO*1"},
    {"QL335-108", "MDIN4 6 IN; MDIN4 1 OUT", F::Switcher, "S-VIDEO SWITCHER", "S-VIDEO*6", "S-VIDEO*1"},
    {"QL335-109", "HD15 2 IN; HD15 2 OUT", F::Switcher, "VGA-QXGA SWITCHER", "VGA*2", "VGA*2"},
    {"QL335-110", "RJ45 8 IN; RJ45 1 OUT", F::Switcher, "UTP SWITCHER 4 CH", "UTP*8", "UTP*1"},
    {"QL346-100", "BNC 16 IN; BNC 8 OUT", F::Matrix, "16 X 8 VIDEO MATRIX", "VIDEO*16", "VIDEO*8"},
    {"QL346-101", "BNC 16 IN; BNC 8 OUT", F::Matrix, "16 X 8 VIDEO MATRIX", "VIDEO*16", "VIDEO*8"},
    {"QL346-102", "BNC 8 IN; BNC 8 OUT", F::Matrix, "8 X 8 VIDEO MATRIX", "VIDEO*8", "VIDEO*8"},
    {"QL346-103", "BNC 8 IN; BNC 8 OUT", F::Matrix, "8 X 8 VIDEO MATRIX", "VIDEO*8", "VIDEO*8"},
    {"QL346-106", "BNC 8 IN/OUT", F::Matrix, "6X2 4X4 2X6 MATRIX", "VIDEO*4", "VIDEO*4"},
    {"QL346-107", "BNC 8 IN/OUT", F::Matrix, "6X2 4X4 2X6 MATRIX", "SYNC*4", "SYNC*4"},
    {"QL346-108", "HD15 8 IN/OUT", F::Matrix, "6X2 4X4 2X6 MATRIX", "VGA*4", "VGA*4"},
    {"QL346-109", "MDIN4 8 IN/OUT", F::Matrix, "6X2 4X4 2X6 MATRIX", "S-VIDEO*4", "S-VIDEO*4"},
    {"QL346-110", "BNC 16 IN; BNC 8 OUT", F::Matrix, "16 X 8 SYNC MATRIX", "SYNC*16", "SYNC*8"},
    {"QL346-111", "BNC 8 IN; BNC 8 OUT", F::Matrix, "8 X 8 SYNC MATRIX", "SYNC*8", "SYNC*8"},
    {"QL346-112", "BNC 16 IN; BNC 16 OUT", F::Matrix, "16 X 16 VIDEO MATRIX", "VIDEO*16", "VIDEO*16"},
    {"QL346-113", "BNC 4 IN; BNC 4 OUT", F::Matrix, "4 X 4 VIDEO MATRIX", "VIDEO*4", "VIDEO*4"},
    {"QL346-114", "BNC 4 IN; BNC 4 OUT", F::Matrix, "4 X 4 SYNC MATRIX", "SYNC*4", "SYNC*4"},
    {"QL346-115", "BNC 8 IN; BNC 16 OUT", F::Matrix, "8 X 16 VIDEO MATRIX", "VIDEO*8", "VIDEO*16"},
    {"QL346-118", "BNC 8 IN; BNC 16 OUT", F::Matrix, "8 X 16 SYNC MATRIX", "SYNC*8", "SYNC*16"},
    {"QL346-119", "BNC 16 IN; BNC 16 OUT", F::Matrix, "16 X 16 SYNC MATRIX", "SYNC*16", "SYNC*16"},
    {"QL346-120", "HD15 8 IN; HD15 8 OUT", F::Matrix, "8 X 8 VGA MATRIX", "VGA*8", "VGA*8"},
    {"QL346-121", "HD15 8 IN; HD15 4 OUT", F::Matrix, "8 X 4 VGA MATRIX", "VGA*8", "VGA*4"},
    {"QL346-130", "RJ45 8 IN; RJ45 8 OUT", F::Matrix, "8 X 8 UTP MATRIX", "UTP*8", "UTP*8"},
    {"QL346-131", "RJ45 8 IN; RJ45 8 OUT", F::Matrix, "8 X 8 UTP MATRIX", "UTP*8", "UTP*8"},
    {"QL346-132", "RJ45 8 IN; RJ45 8 OUT", F::Matrix, "8 X 8 CAT5 MATRIX", "CAT5*8", "CAT5*8"},
    {"QL357-100", "HD15 1 VGA IN; BNC 3 VID OUT; MDIN4 1 S-V OUT", F::Scaler, "SCAN REDUCER",
     "VGA*1", "VIDEO*3, S-VIDEO*1"},
    {"QL357-101", "BNC 1 VID IN; MDIN4 1 S-V IN; HD15 1 VGA OUT", F::Scaler, "SCAN DOUBLER",
     "VIDEO*1, S-VIDEO*1", "VGA*1"},
    {"QL357-102", "BNC 1 VID IN; MDIN4 1 S-V IN; HD15 1 VGA OUT", F::Scaler, "SCALER",
     "VIDEO*1, S-VIDEO*1", "VGA*1"},
    {"QL357-103", "BNC 3 Y/Pb/Pr; MDIN4 1 S-V IN; HD15 1 PC IN; HD15 1 VGA OUT", F::Scaler,
     "SCALER", "VIDEO*1, S-VIDEO*1, YPbPr*1, PC BYPASS*1", "VGA-UXGA*1"},
    {"QL357-110", "BNC 1 VIDEO; HD15 1 VGA; RCA 2 AUDIO", F::Player, "MPEG PLAYER", "",
     "VIDEO*1, VGA*1, AUDIO*1"},
    {"QL368-100", "BNC 4 SYNC; DB9 1 RS-232", F::Engine, "VIDEO MATRIX ENGINE", "INPUT CARDS/64",
     "OUTPUT CARDS/64"},
    {"QL368-103", "TB3 4 AUX; DB9 1 RS-232", F::Engine, "AUDIO MATRIX ENGINE", "INPUT CARDS/64",
     "OUTPUT CARDS/64"},
    {"QL368-201", "BNC 8 IN", F::EngineInput, "INPUT CARD", "VIDEO*8", "TO MATRIX ENGINE/8"},
    {"QL368-202", "TB3 8 IN", F::EngineInput, "AUDIO INPUT CARD", "AUDIO*8", "TO MATRIX ENGINE/8"},
    {"QL368-203", "RJ45 8 IN", F::EngineInput, "UTP INPUT CARD", "UTP*8", "TO MATRIX ENGINE/8"},
    {"QL368-204", "ST 8 IN", F::EngineInput, "", "", "", 0},
    {"QL368-301", "BNC 8 OUT", F::EngineOutput, "OUTPUT CARD", "FROM MATRIX ENGINE/8", "VIDEO/SYNC*8"},
    {"QL368-302", "TB3 8 OUT", F::EngineOutput, "AUDIO OUTPUT CARD", "FROM MATRIX ENGINE/8", "AUDIO*8"},
    {"QL368-303", "RJ45 8 OUT", F::EngineOutput, "UTP OUTPUT CARD", "FROM MATRIX ENGINE/8", "UTP*8"},
    {"QL368-304", "ST 8 OUT", F::EngineOutput, "FIBER OUTPUT CARD", "FROM MATRIX ENGINE/8", "KBD/MOUSE*8"},
    {"QL368-305", "BNC 8 OUT", F::EngineOutput, "OUTPUT CARD", "FROM MATRIX ENGINE/8", "VIDEO*8"},
    {"QL368-306", "BNC 8 OUT", F::EngineOutput, "OUTPUT CARD", "FROM MATRIX ENGINE/8", "SYNC*8"},
    {"QL379-100", "JACK 1 IN; RCA 12 OUT L/R", F::Amplifier, "STEREO AUDIO DA", "AUDIO*1", "AUDIO*6"},
    {"QL379-101", "JACK 1 IN; RCA 12 OUT L/R", F::Amplifier, "STEREO AUDIO DA", "AUDIO*1", "AUDIO*6"},
    {"QL379-102", "TB5 1 IN; TB5 4 OUT", F::Amplifier, "STEREO AUDIO DA", "AUDIO*1", "AUDIO*4"},
    {"QL379-103", "TB5 1 IN; TB5 4 OUT", F::Amplifier, "STEREO AUDIO DA", "AUDIO*1", "AUDIO*4"},
    {"QL379-104", "JACK 4 IN; JACK 4 OUT", F::Channels, "AUDIO LINE DRIVER", "AUDIO*4", "AUDIO*4"},
    {"QL379-105", "JACK 4 IN; JACK 4 OUT", F::Channels, "AUDIO LINE DRIVER", "AUDIO*4", "AUDIO*4"},
    {"QL379-106", "TB5 2 IN; TB5 2 OUT", F::Channels, "AUDIO LINE DRIVER", "AUDIO*2", "AUDIO*2"},
    {"QL379-107", "JACK 4 IN; TB5 4 OUT", F::Channels, "AUDIO LINE DRIVER", "AUDIO*4", "AUDIO*4"},
    {"QL382-100", "JACK 8 IN; TB5 1 OUT", F::Switcher, "STEREO AUDIO SWITCHER", "AUDIO*8", "AUDIO*1"},
    {"QL382-101", "TB5 4 IN; TB5 1 OUT", F::Switcher, "STEREO AUDIO SWITCHER", "AUDIO*4", "AUDIO*1"},
    {"QL382-102", "TB3 3 IN; TB3 1 OUT", F::Mixer, "AUDIO/MIC MIXER", "MIC/LINE*3", "LINE*1"},
    {"QL393-100", "TB3 16 IN; TB3 8 OUT", F::Matrix, "16 X 8 AUDIO MATRIX", "AUDIO*16", "AUDIO*8"},
    {"QL393-101", "TB3 8 IN; TB3 8 OUT", F::Matrix, "8 X 8 AUDIO MATRIX", "AUDIO*8", "AUDIO*8"},
    {"QL393-102", "TB3 16 IN; TB3 8 OUT", F::Matrix, "16 X 8 AUDIO MATRIX", "AUDIO*16", "AUDIO*8"},
    {"QL393-103", "TB3 8 IN; TB3 8 OUT", F::Matrix, "8 X 8 AUDIO MATRIX", "AUDIO*8", "AUDIO*8"},
    {"QL393-104", "TB5 16 IN; TB5 16 OUT", F::Matrix, "16 X 16 STEREO MATRIX", "AUDIO*16", "AUDIO*16"},
    {"QL415-100", "TB2 12 I/O 1-12; TB2 12 I/O 13-24", F::Ports, "24 I/O PORTS", "I/O*24", "CONTROL BUS*1"},
    {"QL415-102", "TB2 12 RELAYS", F::Ports, "12 RELAYS", "CONTROL BUS*1", "RELAY*12"},
    {"QL415-104", "TB3 2 RS-232; TB2 6 RELAY; TB2 4 IR/232; TB2 4 I/O", F::Ports, "CONTROLLER",
     "RS-232*2, I/O*4", "RELAY*6, IR/RS-232*4"},
    {"QL415-105", "IEC 1 IN; NEMA 3 OUT", F::Power, "POWER DISTRIBUTION", "AC IN*1", "AC OUT*3"},
    {"QL415-106", "IEC 1 IN; NEMA 6 OUT", F::Power, "POWER DISTRIBUTION", "AC IN*1", "AC OUT*6"},
    {"QL415-200", "RJ45 2 LAN; USB 2 USB; HD15 1 VGA; MDIN6 2 KB/MS; JACK 3 AUDIO", F::Ports,
     "200 MHZ CPU", "KEYBOARD*1, MOUSE*1, AUDIO IN*1", "LAN*2, USB*2, VGA*1, AUDIO OUT*1"},
    {"QL426-100", "TB3 3 IN; TB2 1 70V OUT", F::PowerAmp, "30 W 70 V AMP", "AUDIO*3", "70V SPEAKER*1"},
    {"QL426-101", "TB3 3 IN; TB2 2 SPK OUT", F::PowerAmp, "DUAL 15 W AMP", "AUDIO*3", "SPEAKER*2"},
    {"QL426-102", "TB3 3 IN; TB2 1 70V OUT", F::PowerAmp, "10 W 70 V AMP", "AUDIO*3", "70V SPEAKER*1"},
    {"QL426-103", "TB3 3 IN; TB2 2 SPK OUT", F::PowerAmp, "DUAL 5 W AMP", "AUDIO*3", "SPEAKER*2"},
    {"QL437-100", "MDIN6 4 IN 1-2; MDIN6 2 OUT", F::Switcher, "KEYBOARD/MOUSE SWITCHER", "KBD/MOUSE*2",
     "KBD/MOUSE*1"},
};

QString DescriptionOf(const QString &code)
{
    const int index = CardCatalog::IndexOfCode(code);
    if (index < 0)
        return ExtraDescriptions().value(code);
    return CardCatalog::Lines().at(index).mid(13);
}

// The output panel of the distribution amplifier page lies over the left
// strip of its block diagrams.
int DiagramInset(const QString &code)
{
    const PageDispatch::Row *row = PageDispatch::FindRow(CardCatalog::ModelNumber(code));
    return row && row->page == PageDispatch::Page::DACard ? Artwork::DiagramPanelStrip : 0;
}

} // namespace

const QList<CardModel> &CardModels()
{
    static const QList<CardModel> models = [] {
        QList<CardModel> list;
        for (const Row &row : Rows) {
            const QString code = QString::fromLatin1(row.code);
            list.append({code, DescriptionOf(code), CardCatalog::SlotWidth(code), ParseFace(row.face),
                         row.function, QString::fromLatin1(row.caption), ParseSignals(row.inputs),
                         ParseSignals(row.outputs), row.diagramWidth, DiagramInset(code)});
        }
        return list;
    }();
    return models;
}

QStringList Features(const QString &description)
{
    static const std::pair<const char *, const char *> notes[] = {
        {"GLI", "GLI"},           {"OUT CNTRL", "OUTPUT CONTROL"}, {"OUT ON-OFF", "OUTPUT ON/OFF"},
        {"EXPAND", "EXPANDABLE"}, {"EXP;", "EXPANDABLE"},          {"GAIN", "GAIN CONTROL"},
        {"RE-CONF", "RE-CONFIGURABLE"}, {"BAL.", "BALANCED"},      {"BALANCED", "BALANCED"},
        {"SIGNAL DETECT", "SIGNAL DETECT"}, {"CURRENT SENSOR", "CURRENT SENSOR"},
        {"OPTICALLY ISOLATED", "OPTICALLY ISOLATED"}, {"HIGH RESOLUTION", "HIGH RESOLUTION"},
    };
    QStringList features;
    static const QRegularExpression mhz(QStringLiteral("(\\d+) MHZ"));
    const auto match = mhz.match(description);
    if (match.hasMatch())
        features.append(match.captured(0));
    for (const auto &[key, note] : notes)
        if (description.contains(QLatin1String(key)) && !features.contains(QLatin1String(note)))
            features.append(QString::fromLatin1(note));
    return features;
}
