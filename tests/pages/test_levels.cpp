#include "SliderDrag.h"

#include "pages/ACustomSlider.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

// The scaler pages, the audio page and the line-driver gain group as wired
// into the main window: user actions on their controls against the exact
// bytes on the far side of the line (slot 5, unit ID 2). The rows of a table
// run in order on one window, so levels carry over from row to row as they
// do for the user.
class TestLevels : public QObject, WindowFixture
{
    Q_OBJECT

    // "drag N", "type TEXT" (then Enter), "key NAME" or "click".
    void Act(const QString &name, const QString &action)
    {
        QWidget *control = Control(name);
        QVERIFY2(control->isVisible(), qPrintable(name));
        const QString verb = action.section(QLatin1Char(' '), 0, 0);
        const QString argument = action.section(QLatin1Char(' '), 1);
        if (verb == QLatin1String("drag")) {
            DragSlider(qobject_cast<QSlider *>(control), argument.toInt());
        } else if (verb == QLatin1String("type")) {
            QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(control, argument);
            QTest::keyClick(control, Qt::Key_Return);
        } else if (verb == QLatin1String("key")) {
            QTest::keyClick(control, QKeySequence::fromString(argument)[0].key());
        } else if (qobject_cast<QCheckBox *>(control) || qobject_cast<QRadioButton *>(control)) {
            QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
        } else {
            QTest::mouseClick(control, Qt::LeftButton);
        }
    }

    QString TextOf(const QString &name) const
    {
        QWidget *control = Control(name);
        if (auto *slider = qobject_cast<QSlider *>(control))
            return QString::number(slider->value());
        if (auto *box = qobject_cast<QLineEdit *>(control))
            return box->text();
        if (auto *label = qobject_cast<QLabel *>(control))
            return label->text();
        return qobject_cast<QAbstractButton *>(control)->text();
    }

    void Columns()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QByteArray>("bytes");  // empty: nothing reaches the line
        QTest::addColumn<QString>("shows");     // "control=text", or empty
    }

    void Row(const char *model, const char *control, const char *action, const char *bytes,
             const char *shows = "")
    {
        QTest::addRow("%s %s %s", model, control, action)
            << QString::fromLatin1(model) << QString::fromLatin1(control)
            << QString::fromLatin1(action) << QByteArray(bytes) << QString::fromLatin1(shows);
    }

    void Run()
    {
        QFETCH(QString, model);
        QFETCH(QString, control);
        QFETCH(QString, action);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shows);
        // Bytes left over by an earlier row fail here once and are gone.
        const QByteArray stale = unit->ReadFor(0);
        QVERIFY2(stale.isEmpty(), stale.constData());
        ChooseModel(qPrintable(model));
        Act(control, action);
        if (bytes.isEmpty())
            QCOMPARE(unit->ReadFor(50), QByteArray());
        else
            QCOMPARE(unit->Read(bytes.size()), bytes);
        if (!shows.isEmpty())
            QCOMPARE(TextOf(shows.section(QLatin1Char('='), 0, 0)),
                     shows.section(QLatin1Char('='), 1));
    }

private slots:
    void initTestCase()
    {
        ClearSettings();
        QVERIFY(ConnectUnit());
        Start();
        PickPort(1);
        PickListItem(Control<QComboBox>(QStringLiteral("ComboUnitID")), 2);
        ClickSlot(5);
    }
    void cleanupTestCase() { Stop(); }

    void scalerPages_data()
    {
        Columns();
        const char *s1 = "QL357-100";
        Row(s1, "HPosition1", "drag 14", "[HPOS14C5U2]", "HPos1=14");
        Row(s1, "HPos1", "type 3", "[HPOS3C5U2]", "HPosition1=3");
        Row(s1, "UpDown14Up", "click", "[+]", "HPos1=4");
        Row(s1, "VPosition1", "drag 3", "[VPOS3C5U2]");
        Row(s1, "VPos1", "type x", "", "VPosition1=3");
        Row(s1, "UpDown15Down", "click", "[-]", "VPos1=2");
        Row(s1, "HSize1", "drag 20", "[HSIZE20C5U2]");
        Row(s1, "HorSize1", "type 25", "[HSIZE20C5U2]", "HorSize1=20");
        Row(s1, "UpDown16Up", "click", "[+]", "HSize1=20");
        Row(s1, "VSize1", "drag 0", "[VSIZE0C5U2]");
        Row(s1, "VertSize1", "type -3", "[VSIZE0C5U2]", "VertSize1=0");
        Row(s1, "UpDown17Down", "click", "[-]", "VertSize1=0");
        Row(s1, "Sharpness1", "drag 11", "[SHARP11C5U2]");
        Row(s1, "Sharp1", "type 7", "[SHARP7C5U2]", "Sharpness1=7");
        Row(s1, "UpDown18Down", "click", "[-]", "Sharp1=6");
        Row(s1, "Brightness1", "drag 9", "[BRIG9C5U2]");
        Row(s1, "Bright1", "type 12", "[BRIG12C5U2]");
        Row(s1, "UpDown19Up", "click", "[+]", "Bright1=13");
        Row(s1, "NTSCPAL", "click", "[OUT1C5U2]");
        Row(s1, "NTSCPAL", "click", "[OUT0C5U2]");
        Row(s1, "optTestOutColor", "click", "[BAR1C5U2]");
        Row(s1, "optTestOutMono", "click", "[BAR2C5U2]");
        Row(s1, "optVideoOut", "click", "[BAR0C5U2]");
        Row(s1, "optZoom1", "click", "[QZOOM1C5U2]");
        Row(s1, "optZoom2", "click", "[QZOOM2C5U2]");
        Row(s1, "optZoom3", "click", "[QZOOM3C5U2]");
        Row(s1, "optZoom4", "click", "[QZOOM4C5U2]");
        Row(s1, "optZoom0", "click", "[QZOOM0C5U2]");

        const char *s2 = "QL357-101";
        Row(s2, "HPos2", "type 6", "[HPOS6C5U2]", "HPosition2=6");
        Row(s2, "HPosition2", "drag 8", "[HPOS8C5U2]", "HPos2=8");
        Row(s2, "UpDown20Up", "click", "[+]", "HPos2=9");
        Row(s2, "VPosition2", "drag 12", "[VPOS12C5U2]");
        Row(s2, "VPos2", "type 20", "[VPOS20C5U2]");
        Row(s2, "UpDown21Down", "click", "[-]", "VPos2=19");
        Row(s2, "HSize2", "drag 18", "[HSIZE18C5U2]");
        Row(s2, "HorSize2", "type 4", "[HSIZE4C5U2]");
        Row(s2, "UpDown22Up", "click", "[+]", "HorSize2=5");
        Row(s2, "VSize2", "drag 17", "[VSIZE17C5U2]");
        Row(s2, "Vertsize2", "type 16", "[VSIZE16C5U2]");
        Row(s2, "UpDown23Down", "click", "[-]", "Vertsize2=15");
        Row(s2, "Sharpness2", "drag 3", "[SHARP3C5U2]");
        Row(s2, "Sharp2", "type 5", "[SHARP3C5U2]", "Sharp2=3");
        Row(s2, "UpDown24Up", "click", "[+]", "Sharp2=3");
        Row(s2, "Brightness2", "drag 15", "[BRIG15C5U2]");
        Row(s2, "Bright2", "type 0", "[BRIG0C5U2]");
        Row(s2, "UpDown25Up", "click", "[+]", "Bright2=1");
        Row(s2, "Color2", "drag 11", "[COLOR11C5U2]");
        Row(s2, "ColorText2", "type 2", "[COLOR2C5U2]");
        Row(s2, "UpDown26Down", "click", "[-]", "ColorText2=1");
        Row(s2, "Hue2", "drag 20", "[HUE20C5U2]");
        Row(s2, "HueText2", "type 13", "[HUE13C5U2]");
        Row(s2, "UpDown27Up", "click", "[+]", "Hue2=14");
        Row(s2, "optScalar2Input1", "click", "[ON1C5U2]");
        Row(s2, "optScalar2Input2", "click", "[ON2C5U2]");
        Row(s2, "optScalar2Input3", "click", "[ON3C5U2]");
        Row(s2, "optScalar2Input0", "click", "[ON0C5U2]");

        const char *s4 = "QL357-103";
        Row(s4, "optScalar4Input2", "click", "[IN2C5U2]");
        Row(s4, "chkSwitchAndRecall", "click", "");
        Row(s4, "optScalar4Input1", "click", "[IN1RC5U2]");
        Row(s4, "ACustomSlider1", "drag 4", "[MODER1C5U2]", "ResolutionDisplay=480p");
        Row(s4, "ACustomSlider1", "key Left", "", "ResolutionDisplay=SXGA 1280x1024");
        Row(s4, "ACustomSlider1", "drag 1", "[MODER2C5U2]", "ResolutionDisplay=SVGA 800x600");
        Row(s4, "ACustomSlider2", "drag 30", "[BRIGHT30C5U2]", "BrightnessDisplay=30");
        Row(s4, "chkScalar4Save", "click", "");
        Row(s4, "ACustomSlider1", "drag 7", "[MODER7C5SU2]", "ResolutionDisplay=1080i");
        Row(s4, "ACustomSlider3", "drag 41", "[CONTR41C5SU2]", "ContrastDisplay=41");
        Row(s4, "ACustomSlider4", "drag 9", "[COLOR9C5SU2]", "ColorDisplay=9");
        Row(s4, "ACustomSlider5", "drag 1", "[HUE1C5SU2]", "HueDisplay=1");
        Row(s4, "ACustomSlider6", "drag 2", "[SHARP2C5SU2]", "SharpnessDisplay=2");
        Row(s4, "chkAspect", "click", "[MODEA1C5SU2]", "chkAspect=16:9");
        Row(s4, "chkFreeze", "click", "[FREEZ1C5U2]");
        Row(s4, "chkNoise", "click", "[MODEN0C5SU2]");
        Row(s4, "chkFilter", "click", "[MODET0C5SU2]");
        Row(s4, "chkScalar4Save", "click", "");
        Row(s4, "chkAspect", "click", "[MODEA2C5U2]", "chkAspect=4:3");
        Row(s4, "chkFreeze", "click", "[FREEZ0C5U2]");
        Row(s4, "chkNoise", "click", "[MODEN1C5U2]");
        Row(s4, "chkFilter", "click", "[MODET1C5U2]");
        Row(s4, "ACustomSlider2", "drag 31", "[BRIGHT31C5U2]");
        Row(s4, "chkSwitchAndRecall", "click", "");
        Row(s4, "optScalar4Input3", "click", "[IN3C5U2]");
        Row(s4, "optScalar4Input0", "click", "[IN0C5U2]");
    }
    void scalerPages() { Run(); }

    void audioLevels_data()
    {
        Columns();
        const char *a = "QL382-102";
        // The slider's release form has no unit suffix, the Enter form has.
        Row(a, "Volume1", "drag 20", "[VLOA20C5]", "VolumeLevel1=20");
        Row(a, "VolumeLevel1", "type 20", "[VLOA20C5U2]");
        Row(a, "VolumeLevel1", "type 40", "[VLOA32C5U2]", "Volume1=30");
        Row(a, "VolumeLevel1", "type 31", "[VLOA31C5U2]", "Volume1=30");
        Row(a, "UpDown6Down", "click", "[-]", "VolumeLevel1=29");
        Row(a, "btnVolume1Save", "click", "[SOVC5U2]");
        Row(a, "btnVolume1Select", "click", "[SLOC5U2]");
        Row(a, "Bass1", "drag 7", "[VBL7C5]");
        Row(a, "BassLevel1", "type 0", "[VBL1C5U2]", "Bass1=1");
        Row(a, "BassLevel1", "type 20", "[VBL15C5U2]", "Bass1=15");
        Row(a, "UpDown1Up", "click", "[+]", "BassLevel1=15");
        Row(a, "btnBass1Save", "click", "[SBVC5U2]");
        Row(a, "btnBass1Select", "click", "[SEBC5U2]");
        Row(a, "Treble1", "drag 9", "[VTL9C5]");
        Row(a, "TrebleLevel1", "type 3", "[VTL3C5U2]");
        Row(a, "UpDown2Up", "click", "[+]", "TrebleLevel1=4");
        Row(a, "btnTreble1Save", "click", "[STVC5U2]");
        Row(a, "btnTreble1Select", "click", "[STBC5U2]");
        const char *b = "QL426-100";
        Row(b, "MicInput1_1", "drag 12", "[VL1A12C5]");
        Row(b, "MicInputLevel1_1", "type 31", "[VL1A30C5U2]", "MicInputLevel1_1=30");
        Row(b, "UpDown3Up", "click", "[+]", "MicInputLevel1_1=30");
        Row(b, "btnMicInput1_1Save", "click", "[SIV1C5U2]");
        Row(b, "btnMicInput1_1Select", "click", "[SEL1C5U2]");
        Row(b, "LineInput2_1", "drag 30", "[VL2A30C5]");
        Row(b, "LineInputLevel2_1", "type 2", "[VL2A2C5U2]");
        Row(b, "UpDown4Down", "click", "[-]", "LineInputLevel2_1=1");
        Row(b, "btnLineInput2_1Save", "click", "[SIV2C5U2]");
        Row(b, "btnLineInput2_1Select", "click", "[SEL2C5U2]");
        Row(b, "LineInput3_1", "drag 5", "[VL3A5C5]");
        Row(b, "UpDown5Down", "click", "[-]", "LineInputLevel3_1=4");
        Row(b, "btnLineInput3_1Save", "click", "[SIV3C5U2]");
        Row(b, "btnLineInput3_1Select", "click", "[SEL3C5U2]");
        Row(b, "chkMute", "click", "[MUT1C5U2]");
        Row(b, "chkMute", "click", "[MUT0C5U2]");
        Row(b, "chkLoudness", "click", "[LOD1C5U2]");
        Row(b, "chkLoudness", "click", "[LOD0C5U2]");
        Row(b, "btnLoudnessSave", "click", "[SLVC5U2]");
        Row(b, "chkAudioInput1", "click", "[ON1C5U2]");
        Row(b, "chkAudioInput2", "click", "[ON2C5U2]");
        Row(b, "chkAudioInput3", "click", "[ON3C5U2]");
        Row(b, "chkAudioInput2", "click", "[OFF2C5U2]");
        Row(b, "btnSetDefault", "click",
            "[VLOA16C5U2][VBL8C5U2][VTL8C5U2][VL1A24C5U2][VL2A24C5U2][VL3A24C5U2]"
            "[SOVC5U2][SBVC5U2][STVC5U2][SIV1C5U2][SIV2C5U2][SIV3C5U2]",
            "LineInput3_1=24");
        Row(b, "VolumeLevel1", "type 9", "[VLOA9C5U2]");

        const char *g = "QL379-105";
        Row(g, "GainControl2", "drag 6", "", "GainControlText2=6");
        Row(g, "GainControlText2", "type 7", "", "GainControl2=7");
        Row(g, "optSWGain3", "click", "[SEL3C5U2]");
        Row(g, "GainControl2", "drag 9", "[VOL3A9C5U2]");
        Row(g, "GainControlText2", "type 20", "[VOL3A16C5U2]", "GainControl2=16");
        Row(g, "btnGainUp", "click", "[+]", "GainControl2=16");
        Row(g, "btnGainDown", "click", "[-]", "GainControl2=16");
    }
    void audioLevels() { Run(); }

    // A drag sends one command, on release, and so does a click on the
    // thumb; the keyboard moves the slider and its box but sends nothing;
    // text typed without Enter that is no level gives way to the slider's.
    void sliderSendsOnReleaseOnly()
    {
        ChooseModel("QL357-100");
        auto *slider = Control<TACustomSlider>(QStringLiteral("HSize1"));
        auto *box = Control<QLineEdit>(QStringLiteral("HorSize1"));
        DragSlider(slider, 5);
        DragSlider(slider, 17);
        QCOMPARE(unit->Read(26), QByteArray("[HSIZE5C5U2][HSIZE17C5U2]"));
        for (const auto key : {Qt::Key_Left, Qt::Key_PageUp, Qt::Key_End, Qt::Key_Home})
            QTest::keyClick(slider, key);
        QCOMPARE(box->text(), QStringLiteral("0"));
        QCOMPARE(unit->ReadFor(50), QByteArray());
        DragSlider(slider, 0);
        QCOMPARE(unit->Read(12), QByteArray("[HSIZE0C5U2]"));
        QTest::keyClicks(box, QStringLiteral("[RES]"));
        DragSlider(slider, 0);
        QCOMPARE(unit->Read(12), QByteArray("[HSIZE0C5U2]"));
        QCOMPARE(box->text(), QStringLiteral("0"));
        QCOMPARE(unit->ReadFor(50), QByteArray());
    }
};

QL_REGISTER_TEST(TestLevels)

#include "test_levels.moc"
