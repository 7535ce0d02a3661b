#include "command/ControlTags.h"
#include "support/TestMain.h"

#include <QTest>

// Expected command as "template|value", or "" for nothing sent.
static QString Shown(const std::optional<TaggedCommand> &command)
{
    return command ? command->Template + QLatin1Char('|') + command->Value : QString();
}

class TestTags : public QObject
{
    Q_OBJECT

private slots:
    void checkBox_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("ticked");
        QTest::addColumn<QString>("cleared");
        QTest::newRow("0") << 0 << "[ON%vC%c%]|0" << "[OFF%vC%c%]|0";
        QTest::newRow("3") << 3 << "[ON%vC%c%]|3" << "[OFF%vC%c%]|3";
        QTest::newRow("49") << 49 << "[ON%vC%c%]|49" << "[OFF%vC%c%]|49";
        QTest::newRow("50") << 50 << "[ON%vSC%c%]|0" << "[OFF%vSC%c%]|0";
        QTest::newRow("51") << 51 << "[ON%vSC%c%]|1" << "[OFF%vSC%c%]|1";
        QTest::newRow("59") << 59 << "[ON%vSC%c%]|9" << "[OFF%vSC%c%]|9";
        QTest::newRow("60") << 60 << "[ON%vVC%c%]|0" << "[OFF%vVC%c%]|0";
        QTest::newRow("69") << 69 << "[ON%vVC%c%]|9" << "[OFF%vVC%c%]|9";
        QTest::newRow("70") << 70 << "" << "";
        QTest::newRow("75") << 75 << "" << "";
        QTest::newRow("99") << 99 << "" << "";
        QTest::newRow("100") << 100 << "[ONC%c%]|" << "[OFFC%c%]|";
        QTest::newRow("5000") << 5000 << "[ONC%c%]|" << "[OFFC%c%]|";
    }
    void checkBox()
    {
        QFETCH(int, tag);
        QFETCH(QString, ticked);
        QFETCH(QString, cleared);
        QCOMPARE(Shown(CheckBoxCommand(tag, true)), ticked);
        QCOMPARE(Shown(CheckBoxCommand(tag, false)), cleared);
    }

    void optionButton_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("expected");
        QTest::newRow("-1") << -1 << "";
        QTest::newRow("0") << 0 << "[ON%vC%c%]|0";
        QTest::newRow("999") << 999 << "[ON%vC%c%]|999";
        QTest::newRow("1000") << 1000 << "[ON%vSC%c%]|0";
        QTest::newRow("1999") << 1999 << "[ON%vSC%c%]|999";
        QTest::newRow("2001") << 2001 << "[ON%vVC%c%]|1";
        QTest::newRow("3001") << 3001 << "[SEL%vC%c%]|1";
        QTest::newRow("3999") << 3999 << "[SEL%vC%c%]|999";
        QTest::newRow("4000") << 4000 << "";
        QTest::newRow("4500") << 4500 << "";
        QTest::newRow("4999") << 4999 << "";
        QTest::newRow("5000") << 5000 << "[IN%vC%c%]|0";
        QTest::newRow("5003") << 5003 << "[IN%vC%c%]|3";
        QTest::newRow("5019") << 5019 << "[IN%vC%c%]|19";
        QTest::newRow("5020") << 5020 << "[IN%vRC%c%]|0";
        QTest::newRow("5039") << 5039 << "[IN%vRC%c%]|19";
        QTest::newRow("5040") << 5040 << "";
        QTest::newRow("5099") << 5099 << "";
        QTest::newRow("5100") << 5100 << "[BAR%vC%c%]|0";
        QTest::newRow("5102") << 5102 << "[BAR%vC%c%]|2";
        QTest::newRow("5199") << 5199 << "[BAR%vC%c%]|99";
        QTest::newRow("5200") << 5200 << "[QZOOM%vC%c%]|0";
        QTest::newRow("5299") << 5299 << "[QZOOM%vC%c%]|99";
        QTest::newRow("5300") << 5300 << "";
    }
    void optionButton()
    {
        QFETCH(int, tag);
        QFETCH(QString, expected);
        QCOMPARE(Shown(OptionButtonCommand(tag)), expected);
    }

    void pushButton_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("expected");
        QTest::newRow("-1") << -1 << "";
        QTest::newRow("0") << 0 << "[I%v^|0";
        QTest::newRow("3") << 3 << "[I%v^|3";
        QTest::newRow("999") << 999 << "[I%v^|999";
        QTest::newRow("1000") << 1000 << "O%vC%c%]|0";
        QTest::newRow("1005") << 1005 << "O%vC%c%]|5";
        QTest::newRow("1999") << 1999 << "O%vC%c%]|999";
        QTest::newRow("2000") << 2000 << "";
    }
    void pushButton()
    {
        QFETCH(int, tag);
        QFETCH(QString, expected);
        QCOMPARE(Shown(PushButtonCommand(tag)), expected);
    }

    void tagProperty()
    {
        QObject control;
        QCOMPARE(ControlTag(&control), 0);
        SetControlTag(&control, 5102);
        QCOMPARE(ControlTag(&control), 5102);
    }
};

QL_REGISTER_TEST(TestTags)
#include "test_tags.moc"
