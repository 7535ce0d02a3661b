#include "command/CommandExpansion.h"
#include "support/TestMain.h"

#include <QTest>

Q_DECLARE_METATYPE(CommandAddressing)

class TestExpansion : public QObject
{
    Q_OBJECT

private slots:
    void expansion_data();
    void expansion();
};

namespace {

// Slot 5, group field "0", unit ID 0, "Use Path" off, all options off.
CommandAddressing Standard()
{
    CommandAddressing a;
    a.CurrentSlot = 5;
    return a;
}

} // namespace

void TestExpansion::expansion_data()
{
    QTest::addColumn<QString>("templ");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value");
    QTest::addColumn<CommandAddressing>("addressing");
    QTest::addColumn<QString>("expected");

    const CommandAddressing std = Standard();
    auto with = [&](auto change) {
        CommandAddressing a = std;
        change(a);
        return a;
    };
    const auto unit2 = with([](auto &a) { a.UnitIdSuffix = "U2$]"; });
    const auto unit2Path = with([](auto &a) { a.UnitIdSuffix = "U2$]"; a.PathSuffix = "P]"; });
    const auto path = with([](auto &a) { a.PathSuffix = "P]"; });
    const auto group3 = with([](auto &a) { a.GroupText = "3"; });

    QTest::newRow("card command") << "[ON%vC%c%]" << "" << "3" << std << "[ON3C5]";
    QTest::newRow("unit ID 2") << "[ON%vC%c%]" << "" << "3" << unit2 << "[ON3C5U2]";
    QTest::newRow("unit ID 2 with path") << "[ON%vC%c%]" << "" << "3" << unit2Path << "[ON3C5U2P]";
    QTest::newRow("switch command never takes the path")
        << "[SWC%c%]" << "" << "" << unit2Path << "[SWC5U2]";
    QTest::newRow("switch command, unit 0, path") << "[SWC%c%]" << "" << "" << path << "[SWC5]";
    QTest::newRow("path with unit 0") << "[ON%vC%c%]" << "" << "1" << path << "[ON1C5P]";
    QTest::newRow("unit ID 8") << "[C%c%]" << "" << "" << with([](auto &a) { a.UnitIdSuffix = "U8$]"; })
                               << "[C5U8]";
    QTest::newRow("group field 3") << "[ON%vC%c%]" << "" << "1" << group3 << "[ON1G3]";
    QTest::newRow("group field 00 is a group")
        << "[ON%vC%c%]" << "" << "1" << with([](auto &a) { a.GroupText = "00"; }) << "[ON1G00]";
    QTest::newRow("typed group text used unchanged")
        << "[C%c]" << "" << "" << with([](auto &a) { a.GroupText = "x7"; }) << "[Gx7]";
    QTest::newRow("%c without C stays in group mode") << "[X%c]" << "" << "" << group3 << "[X%c]";
    QTest::newRow("lower-case c before %c stays in group mode")
        << "[Xc%c]" << "" << "" << group3 << "[Xc%c]";
    QTest::newRow("page 368100 counts from zero")
        << "[C%c%]" << "" << "" << with([](auto &a) { a.ActiveTabTag = 368100; }) << "[C4]";
    QTest::newRow("page 368103 counts from zero")
        << "[C%c%]" << "" << "" << with([](auto &a) { a.ActiveTabTag = 368103; }) << "[C4]";
    QTest::newRow("other page does not") << "[C%c%]" << "" << ""
                                         << with([](auto &a) { a.ActiveTabTag = 368101; }) << "[C5]";
    QTest::newRow("no %] means no unit suffix") << "[VERC%c]" << "" << "" << unit2 << "[VERC5]";
    QTest::newRow("input half") << "[I%v^" << "" << "3" << std << "[I3^";
    QTest::newRow("output half") << "O%vC%c%]" << "" << "5" << std << "O5C5]";
    QTest::newRow("program line, spaces removed")
        << "%v" << "" << "[ON1C3] [OFF2C3]" << std << "[ON1C3][OFF2C3]";
    QTest::newRow("empty template") << "" << "t" << "v" << std << "";
    QTest::newRow("%C slot 20") << "[%C]" << "" << "" << with([](auto &a) { a.CurrentSlot = 20; })
                                << "[20]";
    QTest::newRow("%C slot 3") << "[%C]" << "" << "" << with([](auto &a) { a.CurrentSlot = 3; })
                               << "[03]";
    QTest::newRow("%C slot 3 in group mode")
        << "[%C]" << "" << "" << with([](auto &a) { a.CurrentSlot = 3; a.GroupText = "3"; }) << "[03]";
    QTest::newRow("%C ignores the page correction")
        << "[%C]" << "" << "" << with([](auto &a) { a.ActiveTabTag = 368100; }) << "[05]";
    QTest::newRow("%G") << "[G%G]" << "" << "" << with([](auto &a) { a.GroupText = "7"; }) << "[G7]";
    QTest::newRow("%G in the group text is not expanded again")
        << "[%G]" << "" << "" << with([](auto &a) { a.GroupText = "%G"; }) << "[%G]";
    QTest::newRow("C%c in the group text is not expanded again")
        << "C%c" << "" << "" << with([](auto &a) { a.GroupText = "C%c"; }) << "GC%c";
    QTest::newRow("%i without AllowTab") << "[A%iB]" << "" << "" << std << "[AB]";
    QTest::newRow("%i tab removed again without AllowCR")
        << "[A%iB]" << "" << "" << with([](auto &a) { a.AllowTab = true; }) << "[AB]";
    QTest::newRow("%i tab kept with AllowCR")
        << "[A%iB]" << "" << "" << with([](auto &a) { a.AllowTab = true; a.AllowCR = true; })
        << "[A\tB]";
    QTest::newRow("literal tab follows AllowCR, not AllowTab")
        << "%v" << "" << "[A\tB]" << with([](auto &a) { a.AllowCR = true; }) << "[A\tB]";
    QTest::newRow("carriage return removed") << "%v" << "" << "[A\rB]" << std << "[AB]";
    QTest::newRow("carriage return kept with AllowCR")
        << "%v" << "" << "[A\rB]" << with([](auto &a) { a.AllowCR = true; }) << "[A\rB]";
    QTest::newRow("space kept with AllowSpace")
        << "%v" << "" << "[A B]" << with([](auto &a) { a.AllowSpace = true; }) << "[A B]";
    QTest::newRow("bar becomes percent after the other steps")
        << "[VOL1A%vC%c%]" << "" << "50|" << std << "[VOL1A50%C5]";
    QTest::newRow("bar carries a literal %c") << "[|c%c]" << "" << "" << std << "[%c5]";
    QTest::newRow("text argument") << "[%t]" << "ABC" << "" << std << "[ABC]";
    QTest::newRow("inserted text is subject to later steps")
        << "[%t]" << "%v" << "9" << std << "[9]";
    QTest::newRow("value is not expanded again by its own step") << "%v" << "" << "%v" << std << "%v";
    QTest::newRow("value carrying %] gets the unit suffix") << "%v" << "" << "[X%]" << unit2 << "[XU2]";
    QTest::newRow("[SW test looks at the expanded text")
        << "%v$]" << "" << "[SWX" << path << "[SWX]";
    QTest::newRow("unknown marks and unbalanced brackets go unchanged")
        << "[%x%V{" << "" << "" << std << "[%x%V{";
}

void TestExpansion::expansion()
{
    QFETCH(QString, templ);
    QFETCH(QString, text);
    QFETCH(QString, value);
    QFETCH(CommandAddressing, addressing);
    QFETCH(QString, expected);
    QCOMPARE(ExpandCommand(templ, text, value, addressing), expected);
}

QL_REGISTER_TEST(TestExpansion)
#include "test_expansion.moc"
