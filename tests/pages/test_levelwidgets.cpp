#include "PageFixture.h"
#include "SliderDrag.h"

#include "pages/ACustomSlider.h"
#include "pages/MatrixGain.h"
#include "support/TestMain.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>

// The slider's notices, and the gain group of the audio matrices as a bare
// widget sending to a recording target.
class TestLevelWidgets : public QObject
{
    Q_OBJECT

    static void Type(QLineEdit *box, const QString &text)
    {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Enter);
    }

private slots:
    void sliderNotices()
    {
        QWidget window;
        TACustomSlider slider(QStringLiteral("Level"), {0, 20, 10}, Qt::Horizontal, &window);
        slider.setGeometry(0, 0, 200, 22);
        window.show();
        QSignalSpy changes(&slider, &TACustomSlider::OnChange);
        QSignalSpy releases(&slider, &TACustomSlider::OnMouseUp);
        slider.SetValue(10);
        slider.SetValue(25);
        QCOMPARE(slider.Value(), 20);
        QTest::keyClick(&slider, Qt::Key_Right);
        QTest::keyClick(&slider, Qt::Key_Left);
        QCOMPARE(changes, (QList<QList<QVariant>>{{20}, {19}}));
        QCOMPARE(releases.count(), 0);
        DragSlider(&slider, 19);
        QCOMPARE(releases.count(), 1);
        QCOMPARE(changes.count(), 2);
        // The right button is the card menu's, not the slider's.
        QTest::mouseClick(&slider, Qt::RightButton);
        QCOMPARE(releases.count(), 1);
    }

    void matrixGainSendsForTheChosenInput()
    {
        RecordingTarget target;
        QWidget window;
        MatrixGain gain(target, &window);
        window.show();
        QCOMPARE(gain.title(), QStringLiteral("Input Control"));
        QVERIFY(gain.width() <= 130 && gain.height() <= 270);
        auto *slider = NamedChild<TACustomSlider>(&gain, QStringLiteral("GainControl1"));
        auto *box = NamedChild<QLineEdit>(&gain, QStringLiteral("GainControlText1"));
        auto option = [&gain](int input) {
            return NamedChild<QRadioButton>(&gain, QStringLiteral("optGainInput%1").arg(input));
        };
        QCOMPARE(box->text(), QStringLiteral("1"));
        QVERIFY(option(1)->isChecked());
        QCOMPARE(gain.SelectedGainInput(), 1);

        QTest::mouseClick(option(12), Qt::LeftButton, {}, QPoint(6, option(12)->height() / 2));
        QCOMPARE(gain.SelectedGainInput(), 12);
        QVERIFY(target.sent.isEmpty());
        Type(box, QStringLiteral("20"));
        DragSlider(slider, 5);
        Type(box, QStringLiteral("40"));
        const QString volume12 = QStringLiteral("[VOL12A%vC%c%]");
        QCOMPARE(target.sent, (QList<SentCommand>{{volume12, {}, QStringLiteral("20")},
                                                  {volume12, {}, QStringLiteral("5")},
                                                  {volume12, {}, QStringLiteral("32")}}));

        // An input no longer offered gives way to input 1.
        gain.ShowInputs(8);
        for (int input = 1; input <= 16; ++input)
            QCOMPARE(option(input)->isVisible(), input <= 8);
        QCOMPARE(gain.SelectedGainInput(), 1);
        QVERIFY(option(1)->isChecked());
        target.sent.clear();
        Type(box, QStringLiteral("3"));
        QCOMPARE(target.sent,
                 (QList<SentCommand>{{QStringLiteral("[VOL1A%vC%c%]"), {}, QStringLiteral("3")}}));
        gain.ShowInputs(16);
        QVERIFY(option(16)->isVisible());
    }
};

QL_REGISTER_TEST(TestLevelWidgets)

#include "test_levelwidgets.moc"
