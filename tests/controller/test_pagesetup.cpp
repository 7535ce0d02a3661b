#include "controller/PageSetup.h"
#include "support/NamedControls.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

const char *const Options[] = {"chkInfo", "chkCode", "chkLores", "chkHires"};
const char *const Margins[] = {"txtLeft", "txtRight", "txtTop", "txtBottom"};

void Retype(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

} // namespace

class TestPageSetup : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWidget> window;
    TFormPageSetup *dialog = nullptr;

    template <typename W>
    W *Control(const char *name) const
    {
        return NamedChild<W>(dialog, QLatin1String(name));
    }

private slots:
    void init()
    {
        window = std::make_unique<QWidget>();
        dialog = new TFormPageSetup(window.get());
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
    }
    void cleanup() { window.reset(); }

    // "Ok" and Margin follow what is ticked and typed (the same text in all
    // four margins); the start values are portrait, three options and "0.0".
    void validateAndMargin_data()
    {
        QTest::addColumn<QList<bool>>("ticked");
        QTest::addColumn<QString>("margin");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("inches");
        const QList<bool> code = {false, true, false, false};
        QTest::newRow("start values") << QList<bool>{true, true, true, false} << "0.0" << true << 0.0;
        QTest::newRow("no option") << QList<bool>{false, false, false, false} << "0" << false << 0.0;
        QTest::newRow("only high resolution") << QList<bool>{false, false, false, true} << "0.5"
                                              << true << 0.5;
        QTest::newRow("negative") << code << "-1" << true << -1.0;
        QTest::newRow("exponent, blanks") << code << " 2e-1 " << true << 0.2;
        QTest::newRow("decimal comma") << code << "0,5" << false << 0.0;
        QTest::newRow("letters") << code << "1in" << false << 0.0;
        QTest::newRow("empty") << code << "" << false << 0.0;
        QTest::newRow("infinity") << code << "inf" << false << 0.0;
    }
    void validateAndMargin()
    {
        QFETCH(QList<bool>, ticked);
        QFETCH(QString, margin);
        QVERIFY(dialog->PrintOption(0));
        for (int i = 0; i < 4; ++i) {
            auto *option = Control<QCheckBox>(Options[i]);
            QCOMPARE(option->isChecked(), i < 3);
            QCOMPARE(Control<QLineEdit>(Margins[i])->text(), QString("0.0"));
            if (option->isChecked() != ticked[i])
                QTest::mouseClick(option, Qt::LeftButton);
            QCOMPARE(dialog->PrintOption(i + 1), ticked[i]);
            Retype(Control<QLineEdit>(Margins[i]), margin);
        }
        QTEST(Control<QPushButton>("btnOk")->isEnabled(), "ok");
        for (int i = 0; i < 4; ++i)
            QTEST(dialog->Margin(i), "inches");
        QVERIFY(!dialog->PrintOption(5));
        QCOMPARE(dialog->Margin(4), 0.0);
    }

    // "Page numbers and date" starts ticked and is no section: it does not
    // enable "Ok" alone.
    void pageNumbersAndDate()
    {
        auto *footer = Control<QCheckBox>("chkFooter");
        QCOMPARE(footer->text(), QString("Page numbers and date"));
        QVERIFY(footer->isChecked() && dialog->Choices().pageFooter);
        for (const char *option : {"chkInfo", "chkCode", "chkLores"})
            QTest::mouseClick(Control<QCheckBox>(option), Qt::LeftButton);
        QVERIFY(!Control<QPushButton>("btnOk")->isEnabled());
        QTest::mouseClick(footer, Qt::LeftButton);
        QVERIFY(!dialog->Choices().pageFooter);
        QTest::mouseClick(footer, Qt::LeftButton);
        QVERIFY(!Control<QPushButton>("btnOk")->isEnabled());
    }

    // Cancel keeps what the dialog shows; the orientation picture follows.
    void cancelKeepsTheChoices()
    {
        auto *orient = Control<QLabel>("imgOrient");
        const QImage portrait = orient->pixmap().toImage();
        QTimer::singleShot(0, dialog, [this] {
            QTest::mouseClick(Control<QRadioButton>("optionLandscape"), Qt::LeftButton);
            QTest::mouseClick(Control<QCheckBox>("chkHires"), Qt::LeftButton);
            Retype(Control<QLineEdit>("txtTop"), "0.75");
            QTest::mouseClick(Control<QPushButton>("btnCancel"), Qt::LeftButton);
        });
        dialog->exec();

        const ReportSetup setup = dialog->Choices();
        QVERIFY(!setup.portrait && setup.highResolutionPicture);
        QCOMPARE(setup.margins[ReportSetup::Top], 0.75);
        QCOMPARE(orient->pixmap().toImage(), Control<QLabel>("imgLandscape")->pixmap().toImage());
        QVERIFY(orient->pixmap().toImage() != portrait);
        QTest::mouseClick(Control<QRadioButton>("optionPortrait"), Qt::LeftButton);
        QCOMPARE(orient->pixmap().toImage(), portrait);
    }
};

QL_REGISTER_TEST(TestPageSetup)
#include "test_pagesetup.moc"
