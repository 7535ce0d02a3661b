#include "app/QLOptions.h"
#include "app/SettingsKey.h"
#include "app/StoredSettings.h"
#include "support/TestMain.h"

#include <QTest>

// Runs in the isolated settings folder of the test (XDG_CONFIG_HOME).
class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void init() { OpenSettingsKey()->clear(); }
    void cleanupTestCase() { OpenSettingsKey()->clear(); }

    void firstRunTakesDefaults()
    {
        const StoredSettings stored = StoredSettings::Load();
        QCOMPARE(stored.LastFile, QString());
        QVERIFY(!stored.Left && !stored.Top);
        QCOMPARE(stored.FontName, QString("Courier New"));
        QCOMPARE(stored.FontSize, 8);
        QCOMPARE(stored.BaudRate, 9600);
        QCOMPARE(stored.CommPortNo, 0);

        const TOptions options = TOptions::Load();
        QVERIFY(!options.AllowCR && !options.AllowSpace && !options.AllowTab && !options.AllowEmpty);
        QCOMPARE(options.CProgram, QString("%v"));
    }

    void roundTrip()
    {
        StoredSettings written;
        written.LastFile = "/designs/plant.qls";
        written.Left = 120;
        written.Top = 0;
        written.FontName = "DejaVu Sans Mono";
        written.FontSize = 11;
        written.BaudRate = 2400;
        written.CommPortNo = 2;
        written.Save();

        const StoredSettings read = StoredSettings::Load();
        QCOMPARE(read.LastFile, written.LastFile);
        QCOMPARE(read.Left, std::optional<int>(120));
        QCOMPARE(read.Top, std::optional<int>(0));
        QCOMPARE(read.FontName, written.FontName);
        QCOMPARE(read.FontSize, 11);
        QCOMPARE(read.BaudRate, 2400);
    }

    void storedValues_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("baud");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<int>("commPortNo");
        QTest::newRow("port chosen last run starts with none") << "CommPortNo" << QVariant(3) << 9600 << 8 << 0;
        QTest::newRow("zero baud") << "Baud" << QVariant(0) << 9600 << 8 << 0;
        QTest::newRow("1200 baud") << "Baud" << QVariant(1200) << 1200 << 8 << 0;
        QTest::newRow("unreadable baud") << "Baud" << QVariant("fast") << 9600 << 8 << 0;
        QTest::newRow("unreadable font size") << "FontSize" << QVariant("big") << 9600 << 8 << 0;
    }
    void storedValues()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        OpenSettingsKey()->setValue(key, stored);
        const StoredSettings read = StoredSettings::Load();
        QTEST(read.BaudRate, "baud");
        QTEST(read.FontSize, "fontSize");
        QTEST(read.CommPortNo, "commPortNo");
    }

    void portIsWrittenAtExit()
    {
        StoredSettings written;
        written.CommPortNo = 3;
        written.Save();
        QCOMPARE(OpenSettingsKey()->value("CommPortNo").toInt(), 3);
    }

    // Switches are stored as 0/1; a value that is not a number or a
    // true/false word cannot be read and leaves the switch off.
    void storedSwitch_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("on");
        QTest::newRow("1") << QVariant(1) << true;
        QTest::newRow("0") << QVariant(0) << false;
        QTest::newRow("2") << QVariant(2) << true;
        QTest::newRow("\"1\"") << QVariant("1") << true;
        QTest::newRow("true") << QVariant(true) << true;
        QTest::newRow("\"false\"") << QVariant("false") << false;
        QTest::newRow("unreadable") << QVariant("on please") << false;
        QTest::newRow("empty") << QVariant("") << false;
    }
    void storedSwitch()
    {
        QFETCH(QVariant, stored);
        OpenSettingsKey()->setValue("AllowCR", stored);
        QTEST(TOptions::Load().AllowCR, "on");
    }

    void storedOptions()
    {
        const auto settings = OpenSettingsKey();
        settings->setValue("AllowCR", 1);
        settings->setValue("AllowSpace", 0);
        settings->setValue("AllowTab", "true");
        settings->setValue("AllowEmpty", true);
        settings->setValue("CProgram", "{P%v}");
        const TOptions options = TOptions::Load();
        QVERIFY(options.AllowCR);
        QVERIFY(!options.AllowSpace);
        QVERIFY(options.AllowTab);
        QVERIFY(options.AllowEmpty);
        QCOMPARE(options.CProgram, QString("{P%v}"));
    }
};

QL_REGISTER_TEST(TestSettings)
#include "test_settings.moc"
