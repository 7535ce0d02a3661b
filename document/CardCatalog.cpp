#include "document/CardCatalog.h"

#include <QHash>

namespace CardCatalog {

const QStringList &Lines()
{
    static const QStringList lines = {
    QStringLiteral("QL508-101 -  QUILLON CARD SLOT COVER (1 PC.)"),
    QStringLiteral("QL324-100 -  1-IN 6-OUT VIDEO DA; 425 MHZ; OUT CNTRL; GLI;  1 SLOT; "),
    QStringLiteral("QL324-101 -  8-OUT VIDEO DA EXPANSION; 425 MHZ; OUT CNTRL; 1 SLOT; "),
    QStringLiteral("QL324-102 -  1-IN 3-OUT VGA DA; 425 MHZ; EXPAND; OUT CNTRL; 1 SLOT; "),
    QStringLiteral("QL324-103 -  1-IN 6-OUT VGA DA; 425 MHZ; EXPAND; OUT CNTRL; 2 SLOT; "),
    QStringLiteral("QL324-104 -  6-OUT VGA DA EXPANSION 2 SLOT; 425 MHZ; OUT CNTRL; "),
    QStringLiteral("QL324-105 -  1-IN 6-OUT VIDEO DA 1 SLOT; 325 MHZ; GLI; "),
    QStringLiteral("QL324-106 -  8-OUT VIDEO DA EXPANSION 1 SLOT; 425 MHZ; "),
    QStringLiteral("QL324-107 -  1-IN 3-OUT VGA DA 1 SLOT; 325 MHZ;"),
    QStringLiteral("QL324-108 -  1-IN 6-OUT VGA DA 2 SLOT; 325 MHZ; "),
    QStringLiteral("QL324-109 -  6-OUT VGA DA EXPANSION 2 SLOT; 325 MHZ;"),
    QStringLiteral("QL324-110 -  6-OUT VGA DA EXPANSION 2 SLOT; 350 MHZ; "),
    QStringLiteral("QL324-111 -  1-IN 6-OUT VIDEO DA 1 SLOT; 425 MHZ; EXPAND; GLI; "),
    QStringLiteral("QL324-112 -  8-OUT VIDEO DA EXPANSION 1 SLOT; 325 MHZ; "),
    QStringLiteral("QL324-113 -  4-IN 4-OUT VIDEO GLI (BNC IN/OUT) 1 SLOT; 350 MHZ; GLI ;"),
    QStringLiteral("QL324-114 -  2-IN 2-OUT VGA LINE DRIVER (15-PIN HD IN/OUT) 1 SLOT; 350 MHZ; GAIN CNTRL; GLI; "),
    QStringLiteral("QL324-115 -  2-IN 2-OUT VGA TO CAT-5 TRANSMITTER; GAIN CNTRL; 1 SLOT;  "),
    QStringLiteral("QL324-116 -  2-IN 2-OUT CAT-5 TO VGA  RECEIVER ; GAIN CNTRL; 1 SLOT; "),
    QStringLiteral("QL324-117 -  1-IN 6-OUT S- VIDEO DISTRIBUTION AMP 1 SLOT; "),
    QStringLiteral("QL324-118 -  DUAL 1-IN 3-OUT S-VIDEO/ 1-IN 3-OUT VIDEO DA AMPS , 1 SLOT; "),
    QStringLiteral("QL324-120 -  DUAL 1-IN 3-OUT S-VIDEO/ 1-IN 3-OUT VIDEO DA AMPS OUT ON-OFF, 1 SLOT; "),
    QStringLiteral("QL324-121 -  1-IN 8-OUT, UTP  DA, 4 CHANNELS; RJ45; 1 SLOT; "),
    QStringLiteral("QL324-122 -  VGA/VIDEO/S-VIDEO+3.5MM AUDIO TO UTP CONVERTOR; RJ45; 1 SLOT;"),
    QStringLiteral("QL324-123 -  UTP TO VGA/VIDEO/S-VIDEO+AUDIO CONVERTOR; RJ45; 1 SLOT;"),
    QStringLiteral("QL335-100 -  6-IN 1-OUT VIDEO SWITCHER; 350 MHZ; EXPAND; OUT CNTRL; 1 SLOT"),
    QStringLiteral("QL335-101 -  8-IN VIDEO SWITCHER EXPANSION; 350 MHZ; 1 SLOT;"),
    QStringLiteral("QL335-102 -  6-IN 1-OUT VGA SWITCHER; 350 MHZ; EXPAND;  2 SLOT"),
    QStringLiteral("QL335-103 -  6-IN 1-OUT VIDEO SWITCHER ; 350 MHZ; OUT CNTRL; 1 SLOT"),
    QStringLiteral("QL335-104 -  6-IN VGA SWITCHER  EXPANSION; 350 MHZ; 2 SLOT;"),
    QStringLiteral("QL335-105 -  3-IN 1-OUT VGA SWITCHER ; 350 MHZ; 1 SLOT;"),
    QStringLiteral("QL335-106 -  3-IN VGA SWITCHER  EXPANSION; 350 MHZ;  1 SLOT"),
    QStringLiteral("QL335-107 -  3-IN 1-OUT VIDEO, S-VIDEO SWITCHER 1 SLOT; "),
    QStringLiteral("QL335-108 -  6-IN 1-OUT S-VIDEO SWITCHER 1 SLOT; "),
    QStringLiteral("QL335-109 -  2-IN DUAL-OUT VGA-QXGA SWITCHER 1 SLOT; "),
    QStringLiteral("QL335-110 -  8 IN 1 OUT UTP SWITCH, 4 CHANELS; RJ45; 1 SLOT;"),
    QStringLiteral("QL346-100 -  16 X 8 VIDEO MATRIX SWITCHER; 425 MHZ; GLI;  3 SLOT;"),
    QStringLiteral("QL346-101 -  16 X 8 VIDEO MATRIX SWITCHER; 325 MHZ;  3 SLOT"),
    QStringLiteral("QL346-102 -  8 X 8 VIDEO MATRIX SWITCHER; 450 MHZ; GLI ;  2 SLOT"),
    QStringLiteral("QL346-103 -  8 X 8 VIDEO MATRIX SWITCHER; 325 MHZ;  2 SLOT"),
    QStringLiteral("QL346-106 -  6X2; 4X4; 2X6 VIDEO MATRIX SW; 350 MHZ; RE-CONF;  1 SLOT"),
    QStringLiteral("QL346-107 -  6X2; 4X4; 2X6 SYNC MATRIX SW; RE-CONF;  1 SLOT"),
    QStringLiteral("QL346-108 -  6X2; 4X4; 2X6 VGA MATRIX SW; 325 MHZ; RE-CONF;  2 SLOT"),
    QStringLiteral("QL346-109 -  6X2; 4X4; 2X6 S-VIDEO MATRIX SW; 90 MHZ; RE-CONF; 1 SLOT "),
    QStringLiteral("QL346-110 -  16 X 8 SYNC MATRIX SWITCHER;  3 SLOT; "),
    QStringLiteral("QL346-111 -  8 X 8 SYNC MATRIX SWITCHER;  2 SLOT; "),
    QStringLiteral("QL346-112 -  16 X 16 VIDEO MATRIX SWITCHER  4 SLOT; 325 MHZ; "),
    QStringLiteral("QL346-115 -  8 x 16 VIDEO MATRIX SWITCHER 3 SLOT; 275 MHZ; "),
    QStringLiteral("QL346-118 -  8 x 16 SYNC MATRIX SWITCHER CARD 3 SLOT; "),
    QStringLiteral("QL346-119 -  16 x 16 SYNC MATRIX SWITCHER CARD 4 SLOT; "),
    QStringLiteral("QL346-120 -  8X8 VGA  MATRIX SWITCHER , 4 SLOT;"),
    QStringLiteral("QL346-121 -  8X4 VGA  MATRIX SWITCHER , 3 SLOT;"),
    QStringLiteral("QL346-130 -  8x8 UTP SWITCHER VGA/COMPONENT +AUDIO; RJ-45; 2 SLOT; "),
    QStringLiteral("QL346-131 -  8x8 UTP SWITCHER S+VIDEO +AUDIO; RJ-45; 2 SLOT; "),
    QStringLiteral("QL346-132 -  8x8 CAT5 SWITCHER VIDEO +AUDIO; RJ-45; 2 SLOT; "),
    QStringLiteral("QL357-100 -  SCAN REDUCER; VGA IN; 3 VIDEO OUT; 1 S-VIDEO OUT;  1 SLOT;"),
    QStringLiteral("QL357-101 -  SCAN DOUBLER; VIDEO/S-VIDEO INPUT; VGA OUT;  1 SLOT;"),
    QStringLiteral("QL357-102 -  SCALER (USE QL357-103 FOR ALL NEW DESIGNS);"),
    QStringLiteral("QL357-103 -  SCALER CARD  VIDEO/S-VIDEO/YPbPr TO VGA-UXGA; PC BYPASS INPUT; 1 SLOT;"),
    QStringLiteral("QL357-110 -  MPEG VIDEO/AUDIO PLAYER; 1GB; VIDEO/VGA OUTPUT; NTSC; 1 SLOT;"),
    QStringLiteral("QL368-100 -  VIDEO MATRIX ENGINE; HIGH RESOLUTION; UP TO 64X64; BNC; 2 SLOT;"),
    QStringLiteral("QL368-103 -  AUDIO MATRIX ENGINE; UP TO 64X64; TERMINAL BLOCK; 2 SLOT;"),
    QStringLiteral("QL368-201 -  8 BNC INPUTS; GLI; SIGNAL DETECT; 1 SLOT;"),
    QStringLiteral("QL368-202 -  8 AUDIO  INPUTS; MONO; BALANCED; TB; GAIN CONTROL; 1 SLOT;"),
    QStringLiteral("QL368-203 -  8 UTP INPUTS, SINGLE CHANNEL; RJ45; 1 SLOT;"),
    QStringLiteral("QL368-204 -  8 FIBER  KEYBOARD/MOUSE  INPUTS; ST CONNECTOR; 62/125; 1 SLOT;"),
    QStringLiteral("QL368-301 -  8 BNC OUTPUTS; SIGNAL DETECT; VIDEO/SYNC;  HIGH RESOLUTION; 1 SLOT;"),
    QStringLiteral("QL368-302 -  8 AUDIO OUTPUTS; MONO, BALANCED TB; GAIN CONTROL; 1 SLOT;"),
    QStringLiteral("QL368-303 -  8 UTP OUTPUTS;  SINGLE CHANNEL; RJ45; 1SLOT;"),
    QStringLiteral("QL368-304 -  8 FIBER  KEYBOARD/MOUSE OUTPUTS; ST CONNECTOR; 62/125; 1 SLOT;"),
    QStringLiteral("QL368-305 -  8 BNC OUTPUTS; VIDEO ONLY; HIGH RESOLUTION; 1 SLOT;"),
    QStringLiteral("QL368-306 -  8 BNC OUTPUTS; SYNC ONLY; 1 SLOT;"),
    QStringLiteral("QL379-100 -  1-IN 6-OUT STEREO AUDIO DA (3.5MM IN, RCA OUT) 2 SLOT; OUT CNTRL; "),
    QStringLiteral("QL379-101 -  1-IN 6-OUT STEREO AUDIO DA (3.5MM IN, RCA OUT) 2 SLOT; "),
    QStringLiteral("QL379-102 -  1-IN 4-OUT STEREO AUDIO DA (TB IN/OUT) 1 SLOT; BAL. IN/OUT; "),
    QStringLiteral("QL379-103 -  1-IN 4-OUT STEREO AUDIO DA (TB IN/OUT) 1 SLOT; BAL. IN/OUT; OUT CNTRL; "),
    QStringLiteral("QL379-104 -  4-IN 4-OUT STEREO AUDIO LINE DRIVER + GLI (3.5MM IN/OUT); 1 SLOT; "),
    QStringLiteral("QL379-105 -  4-IN 4-OUT STEREO AUDIO LINE DRIVER + GLI (3.5MM IN/OUT); 1 SLOT; GAIN; "),
    QStringLiteral("QL379-106 -  2-IN 2-OUT STEREO AUDIO LINE DRIVER/GLI (T/B IN/OUT); 1 SLOT;GAIN; "),
    QStringLiteral("QL379-107 -  4-IN 4-OUT STEREO AUDIO LINE DRIVER + GLI (3.5MM IN, T/B OUT); 1 SLOT; "),
    QStringLiteral("QL382-100 -  8-IN 1-OUT STEREO AUDIO SWITCHER (3.5MM IN; TB OUT) 1 SLOT; EXP; "),
    QStringLiteral("QL382-101 -  4-IN 1-OUT STEREO AUDIO SWITCHER (TB IN/OUT) 1 SLOT; EXP; "),
    QStringLiteral("QL382-102 -  3 IN 1 OUT AUDIO/MIC MIXER BAL (TB IN/OUT) 1 SLOT; "),
    QStringLiteral("QL393-100 -  16 X 8 MONO AUDIO MATRIX SWITCHER (TB IN/OUT) 2 SLOT; BAL. IN/OUT; "),
    QStringLiteral("QL393-101 -  8 X 8 MONO AUDIO MATRIX SWITCHER (TB IN/OUT) 2 SLOT; BAL. IN/OUT; "),
    QStringLiteral("QL393-102 -  16 X 8 MONO AUDIO MATRIX + GAIN CTRL (TB IN/OUT) 2 SLOT; BAL. IN/OUT; "),
    QStringLiteral("QL393-103 -  8 X 8 MONO AUDIO MATRIX + GAIN CTRL (TB IN/OUT) 2 SLOT; BAL. IN/OUT; "),
    QStringLiteral("QL393-104 -  16 X 16 STEREO AUDIO MATRIX + GAIN CTRL (TB IN/OUT); BAL. IN/OUT; 4 SLOT; "),
    QStringLiteral("QL415-100 -  24 I/O PORTS; LED DRIVE; MACROS; OPTICALLY ISOLATED; TB; 1 SLOT;"),
    QStringLiteral("QL415-102 -  12 RELAYS ISOLATED; TERMINAL BLOCK; SPST; 1 SLOT;"),
    QStringLiteral("QL415-104 -  2 RS-232, 6 RELAYS, 4 IR/RS-232 OUT, 4 I/O 1 SLOT; TERMINAL BLOCKS; "),
    QStringLiteral("QL415-105 -  1 IN/ 3 OUT POWER DISTRIBUTION; CURRENT SENSOR; 1 IEC IN, 3 NEMA AC OUT; 2 SLOT;"),
    QStringLiteral("QL415-106 -  1 IN/ 6 OUT POWER DISTRIBUTION; CURRENT SENSOR; 1 IEC IN, 3 NEMA AC OUT; 4 SLOT;"),
    QStringLiteral("QL415-200 -  200 MHZ CPU; WIN XP; 2-RJ45 2-USB2.0; VGA; KEYBOARD/MOUSE; AUDIO; 2 SLOT"),
    QStringLiteral("QL426-100 -  AUDIO POWER AMP 30W (70V) WITH BUILT-IN 3x1 MIX; 3 SLOT; "),
    QStringLiteral("QL426-101 -  AUDIO POWER AMP (DUAL 15W) BUILT-IN 3x1 MIX; 3 SLOT; "),
    QStringLiteral("QL426-102 -  AUDIO POWER AMP 10W (70V) WITH BUILT-IN 3x1 MIX; 2 SLOT; "),
    QStringLiteral("QL426-103 -  AUDIO POWER AMP (DUAL 5W) BUILT-IN 3x1 MIX; 1 SLOT; "),
    QStringLiteral("QL437-100 -  2-IN 1-OUT KEYBRD/MOUSE SWITCHER (6PIN MINI-DIN IN/OUT) 1 SLOT (USE WITH QL335-109)"),
    };
    return lines;
}

const QStringList &SlotWidthTable()
{
    static const QStringList table = {
    QStringLiteral("QL324-103=2"),
    QStringLiteral("QL324-104=2"),
    QStringLiteral("QL324-108=2"),
    QStringLiteral("QL324-109=2"),
    QStringLiteral("QL324-110=2"),
    QStringLiteral("QL335-102=2"),
    QStringLiteral("QL335-104=2"),
    QStringLiteral("QL346-100=3"),
    QStringLiteral("QL346-101=3"),
    QStringLiteral("QL346-102=2"),
    QStringLiteral("QL346-103=2"),
    QStringLiteral("QL346-104=3"),
    QStringLiteral("QL346-105=2"),
    QStringLiteral("QL346-108=2"),
    QStringLiteral("QL346-110=3"),
    QStringLiteral("QL346-111=2"),
    QStringLiteral("QL346-112=4"),
    QStringLiteral("QL346-115=3"),
    QStringLiteral("QL346-119=4"),
    QStringLiteral("QL346-118=3"),
    QStringLiteral("QL346-120=4"),
    QStringLiteral("QL346-121=3"),
    QStringLiteral("QL346-130=2"),
    QStringLiteral("QL346-131=2"),
    QStringLiteral("QL346-132=2"),
    QStringLiteral("QL368-100=2"),
    QStringLiteral("QL368-103=2"),
    QStringLiteral("QL379-100=2"),
    QStringLiteral("QL379-101=2"),
    QStringLiteral("QL393-100=2"),
    QStringLiteral("QL393-101=2"),
    QStringLiteral("QL393-102=2"),
    QStringLiteral("QL393-103=2"),
    QStringLiteral("QL393-104=4"),
    QStringLiteral("QL393-105=3"),
    QStringLiteral("QL415-105=2"),
    QStringLiteral("QL415-106=4"),
    QStringLiteral("QL415-200=2"),
    QStringLiteral("QL426-100=3"),
    QStringLiteral("QL426-101=3"),
    QStringLiteral("QL426-102=2"),
    QStringLiteral("QL426-102=2"),
    };
    return table;
}

QString ModelCode(const QString &cardText)
{
    return cardText.left(9);
}

int ModelNumber(const QString &code)
{
    if (code.size() != 9 || !code.startsWith(QLatin1String("QL")) || code.at(5) != QLatin1Char('-'))
        return 0;
    bool familyOk = false;
    bool variantOk = false;
    const int family = code.mid(2, 3).toInt(&familyOk);
    const int variant = code.mid(6, 3).toInt(&variantOk);
    return familyOk && variantOk ? family * 1000 + variant : 0;
}

int SlotWidth(const QString &code)
{
    // Built once; the first entry of a code wins.
    static const QHash<QString, int> widths = [] {
        QHash<QString, int> map;
        for (const QString &entry : SlotWidthTable()) {
            const qsizetype eq = entry.indexOf(QLatin1Char('='));
            const QString key = entry.left(eq).toUpper();
            if (!map.contains(key))
                map.insert(key, entry.mid(eq + 1).toInt());
        }
        return map;
    }();
    return widths.value(ModelCode(code).toUpper(), 1);
}

QString TabName(const QString &code)
{
    return QString(code).replace(QLatin1Char('-'), QLatin1Char('_'));
}

QString TabCaption(const QString &code)
{
    return code.mid(2);
}

int IndexOfCode(const QString &code)
{
    const QStringList &lines = Lines();
    for (int i = 0; i < lines.size(); ++i)
        if (ModelCode(lines.at(i)) == code)
            return i;
    return -1;
}

const QStringList &ExtraPictureCodes()
{
    static const QStringList codes = {QStringLiteral("QL324-119"), QStringLiteral("QL346-113"),
                                      QStringLiteral("QL346-114")};
    return codes;
}

} // namespace CardCatalog
