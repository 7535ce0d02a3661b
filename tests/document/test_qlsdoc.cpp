#include "DocSummary.h"
#include "app/QlError.h"
#include "document/CardCatalog.h"
#include "document/QlsDoc.h"
#include "support/TestMain.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

using Operation = std::function<void(TQlsDoc &)>;

// A design with cards in slots 4 and 5 (group 2), a 3-slot card in slot 12,
// program text and a company, freshly saved so that it is not modified.
std::unique_ptr<TQlsDoc> savedDesign(const QTemporaryDir &dir)
{
    auto doc = std::make_unique<TQlsDoc>();
    doc->PlaceCard(4, Cards::OneSlot);
    doc->PlaceCard(5, Cards::OneSlot);
    doc->PlaceCard(12, Cards::ThreeSlot);
    doc->SetGroupMember(5, 2, true);
    doc->SetProgramLines({QStringLiteral("a"), QStringLiteral("b")});
    doc->SetInfoField(TQlsDoc::COMPANY, QStringLiteral("Acme"));
    doc->SaveToFile(dir.filePath(QStringLiteral("design.qls")));
    return doc;
}

struct ModifiedCase {
    const char *name;
    Operation operation;
    bool modifies;
};

const QList<ModifiedCase> &modifiedCases()
{
    static const QList<ModifiedCase> cases = {
        {"SetInfoField same text", [](TQlsDoc &d) { d.SetInfoField(TQlsDoc::COMPANY, QStringLiteral("Acme")); }, false},
        {"SetInfoField new text", [](TQlsDoc &d) { d.SetInfoField(TQlsDoc::COMPANY, QStringLiteral("Acme ")); }, true},
        {"SetInfoField FILENAME", [](TQlsDoc &d) { d.SetInfoField(TQlsDoc::FILENAME, QStringLiteral("x.qls")); }, true},
        {"SetProgramLines same lines", [](TQlsDoc &d) { d.SetProgramLines({QStringLiteral("a"), QStringLiteral("b")}); }, false},
        {"SetProgramLines extra empty line", [](TQlsDoc &d) { d.SetProgramLines({QStringLiteral("a"), QStringLiteral("b"), {}}); }, true},
        {"ClearSlot empty slot", [](TQlsDoc &d) { d.ClearSlot(1); }, false},
        {"ClearSlot card", [](TQlsDoc &d) { d.ClearSlot(5); }, true},
        {"ClearSlot reserved slot", [](TQlsDoc &d) { d.ClearSlot(11); }, true},
        {"PlaceCard nothing on empty slot", [](TQlsDoc &d) { d.PlaceCard(1, {}); }, false},
        {"PlaceCard same model again", [](TQlsDoc &d) { d.PlaceCard(5, Cards::OneSlot); }, false},
        {"PlaceCard failing on empty slot", [](TQlsDoc &d) { try { d.PlaceCard(2, Cards::ThreeSlot); } catch (const QlError &) {} }, false},
        {"PlaceCard failing on a card", [](TQlsDoc &d) { try { d.PlaceCard(5, Cards::TwoSlot); } catch (const QlError &) {} }, true},
        {"SetEnclosure same kind", [](TQlsDoc &d) { d.SetEnclosure(0); }, false},
        {"SetEnclosure other kind", [](TQlsDoc &d) { d.SetEnclosure(3); }, true},
        {"SetGroupMember already member", [](TQlsDoc &d) { d.SetGroupMember(5, 2, true); }, false},
        {"SetGroupMember new member", [](TQlsDoc &d) { d.SetGroupMember(6, 2, true); }, true},
        {"SetGroupMember remove member", [](TQlsDoc &d) { d.SetGroupMember(5, 2, false); }, true},
        {"SetGroupMember remove non-member", [](TQlsDoc &d) { d.SetGroupMember(6, 2, false); }, false},
        {"SetGroupMember group 0 on", [](TQlsDoc &d) { d.SetGroupMember(6, 0, true); }, true},
        {"SetGroupMember group 0 off", [](TQlsDoc &d) { d.SetGroupMember(6, 0, false); }, false},
        {"ClearSlotGroups", [](TQlsDoc &d) { d.ClearSlotGroups(5); }, false},
        {"ApplyGroupList adding", [](TQlsDoc &d) { d.ApplyGroupList(QStringLiteral("C7G3")); }, true},
        {"ApplyGroupList existing members", [](TQlsDoc &d) { d.ApplyGroupList(QStringLiteral("C5G2")); }, false},
        {"ApplyGroupList NONE removing", [](TQlsDoc &d) { d.ApplyGroupList(QStringLiteral("NONE G2")); }, true},
        {"ApplyGroupList malformed", [](TQlsDoc &d) { d.ApplyGroupList(QStringLiteral("C7G")); }, false},
        {"ApplyGroupTokens adding", [](TQlsDoc &d) { d.ApplyGroupTokens(QStringLiteral("G4,C1")); }, true},
        {"ApplyGroupTokens empty line", [](TQlsDoc &d) { d.ApplyGroupTokens({}); }, false},
        {"SetLocked", [](TQlsDoc &d) { d.SetLocked(true); }, false},
    };
    return cases;
}

} // namespace

class TestQlsDoc : public QObject
{
    Q_OBJECT

private slots:
    void newDocumentIsEmpty()
    {
        const TQlsDoc doc;
        QCOMPARE(DocSummary(doc), QStringLiteral("kind=0"));
        QVERIFY(!doc.Modified());
        QVERIFY(!doc.Locked());
        QCOMPARE(doc.InfoField(TQlsDoc::FILENAME), QString());
        for (int s = 1; s <= TQlsDoc::SlotCount; ++s) {
            QCOMPARE(doc.GroupMask(s), 0u);
            QCOMPARE(doc.SlotGeometry(s), TQlsDoc::KindGeometry(0)[s - 1]);
        }
    }

    void geometryTables_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("maxWidth");
        QTest::addColumn<bool>("rotated");
        QTest::newRow("20 slots, 1") << 0 << 1 << 9 << 4 << 1 << false;
        QTest::newRow("20 slots, 5") << 0 << 5 << 133 << 4 << 5 << false;
        QTest::newRow("20 slots, 7") << 0 << 7 << 195 << 4 << 6 << false;
        QTest::newRow("20 slots, 20") << 0 << 20 << 598 << 4 << 6 << false;
        QTest::newRow("19 slots, 19") << 1 << 19 << 567 << 4 << 6 << false;
        QTest::newRow("19 slots, 20") << 1 << 20 << 608 << 4 << 6 << false;
        QTest::newRow("8 slots, 1") << 2 << 1 << 285 << 3 << 1 << true;
        QTest::newRow("8 slots, 4") << 2 << 4 << 285 << 96 << 4 << true;
        QTest::newRow("8 slots, 5") << 2 << 5 << 542 << 3 << 1 << true;
        QTest::newRow("8 slots, 8") << 2 << 8 << 542 << 96 << 4 << true;
        QTest::newRow("8 slots, 9") << 2 << 9 << 0 << 0 << 0 << false;
        QTest::newRow("8 slots, 20") << 2 << 20 << 0 << 0 << 0 << false;
        QTest::newRow("4 slots, 1") << 3 << 1 << 263 << 6 << 1 << true;
        QTest::newRow("4 slots, 4") << 3 << 4 << 263 << 99 << 4 << true;
        QTest::newRow("4 slots, 5") << 3 << 5 << 0 << 0 << 0 << false;
    }

    void geometryTables()
    {
        QFETCH(int, kind);
        QFETCH(int, slot);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, maxWidth);
        QFETCH(bool, rotated);
        TQlsDoc doc;
        doc.SetEnclosure(kind);
        QCOMPARE(doc.SlotGeometry(slot), (TSlotPlace{x, y, maxWidth, rotated}));
    }

    void kindsWithoutTableKeepTheirRows()
    {
        TQlsDoc doc;
        doc.SetEnclosure(2);
        for (int kind : {4, 5}) {
            doc.SetEnclosure(kind);
            QCOMPARE(doc.EnclosureKind(), kind);
            QCOMPARE(doc.SlotGeometry(8), TQlsDoc::KindGeometry(2)[7]);
        }
        doc.SetEnclosure(0);
        QCOMPARE(doc.SlotGeometry(20), TQlsDoc::KindGeometry(0)[19]);
        const QList<int> counts = {20, 19, 8, 4, 2, 1};
        for (int kind = 0; kind < TQlsDoc::EnclosureKindCount; ++kind)
            QCOMPARE(TQlsDoc::EnclosureSlotCount(kind), counts[kind]);
    }

    void placement_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("fits");
        QTest::newRow("20: 1-slot in 1") << 0 << 1 << 1 << true;
        QTest::newRow("20: 3-slot in 3") << 0 << 3 << 3 << true;
        QTest::newRow("20: 3-slot in 2, no slot 0") << 0 << 2 << 3 << false;
        QTest::newRow("20: 4-slot in 3, too wide") << 0 << 3 << 4 << false;
        QTest::newRow("20: 4-slot in 4") << 0 << 4 << 4 << true;
        QTest::newRow("20: 4-slot in 20") << 0 << 20 << 4 << true;
        QTest::newRow("19: 2-slot in 20") << 1 << 20 << 2 << true;
        QTest::newRow("8: 2-slot in 5, second column") << 2 << 5 << 2 << false;
        QTest::newRow("8: 2-slot in 6") << 2 << 6 << 2 << true;
        QTest::newRow("8: 4-slot in 8") << 2 << 8 << 4 << true;
        QTest::newRow("8: 4-slot in 4") << 2 << 4 << 4 << true;
        QTest::newRow("8: 1-slot in 9, no slot") << 2 << 9 << 1 << false;
        QTest::newRow("4: 4-slot in 4") << 3 << 4 << 4 << true;
        QTest::newRow("4: 2-slot in 1") << 3 << 1 << 2 << false;
        QTest::newRow("4: 1-slot in 5, no slot") << 3 << 5 << 1 << false;
    }

    void placement()
    {
        QFETCH(int, kind);
        QFETCH(int, slot);
        QFETCH(int, width);
        QFETCH(bool, fits);
        TQlsDoc doc;
        doc.SetEnclosure(kind);
        const QString card = Cards::OfWidth(width);
        if (fits) {
            doc.PlaceCard(slot, card);
            QStringList expected{QStringLiteral("kind=%1").arg(kind)};
            for (int s = slot - width + 1; s < slot; ++s)
                expected << QStringLiteral("C%1=RESERVED").arg(s);
            expected << QStringLiteral("C%1=%2").arg(slot).arg(card);
            QCOMPARE(DocSummary(doc), expected.join(QStringLiteral("; ")));
        } else {
            QVERIFY_THROWS_EXCEPTION(QlError, doc.PlaceCard(slot, card));
            QCOMPARE(DocSummary(doc), QStringLiteral("kind=%1").arg(kind));
        }
    }

    void failedPlacementMessageAndState()
    {
        TQlsDoc doc;
        doc.PlaceCard(2, Cards::OneSlot);
        doc.PlaceCard(4, Cards::OneSlot);
        try {
            doc.PlaceCard(4, Cards::ThreeSlot); // slot 2 is taken
            QFAIL("placement over a card succeeded");
        } catch (const QlError &error) {
            QCOMPARE(error.message(), QStringLiteral("Cannot place card here"));
        }
        // The old card of slot 4 is gone, slot 2 keeps its card, slot 3 stays free.
        QCOMPARE(DocSummary(doc), QStringLiteral("kind=0; C2=") + Cards::OneSlot);
    }

    void placementOverReservedSlotFails()
    {
        TQlsDoc doc;
        doc.PlaceCard(6, Cards::TwoSlot);
        QVERIFY_THROWS_EXCEPTION(QlError, doc.PlaceCard(7, Cards::TwoSlot));
        QCOMPARE(DocSummary(doc), QStringLiteral("kind=0; C5=RESERVED; C6=") + Cards::TwoSlot);
    }

    void replacingOrClearingAWideCardFreesItsSlots_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("replacement");
        QTest::newRow("1-slot over 3-slot in 10") << 10 << 3 << Cards::OneSlot;
        QTest::newRow("cover over 4-slot in 20") << 20 << 4 << QString();
        QTest::newRow("2-slot over 4-slot in 8") << 8 << 4 << Cards::TwoSlot;
    }

    void replacingOrClearingAWideCardFreesItsSlots()
    {
        QFETCH(int, slot);
        QFETCH(int, width);
        QFETCH(QString, replacement);
        TQlsDoc doc;
        doc.PlaceCard(slot, Cards::OfWidth(width));
        doc.PlaceCard(slot, replacement);
        const int newWidth = replacement.isEmpty() ? 0 : CardCatalog::SlotWidth(replacement.left(9));
        for (int s = slot - width + 1; s < slot; ++s)
            QCOMPARE(doc.CardText(s), s > slot - newWidth ? TQlsDoc::Reserved : QString());
        QCOMPARE(doc.CardText(slot), replacement);
    }

    void clearSlotAfterShrinkingFreesReservedSlotsInside()
    {
        TQlsDoc doc;
        doc.PlaceCard(10, Cards::ThreeSlot);
        doc.SetEnclosure(2);
        for (int s = 9; s <= TQlsDoc::SlotCount; ++s)
            doc.ClearSlot(s);
        QCOMPARE(DocSummary(doc), QStringLiteral("kind=2"));
    }

    void modified_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < modifiedCases().size(); ++i)
            QTest::newRow(modifiedCases()[i].name) << i;
    }

    void modified()
    {
        QFETCH(int, row);
        const ModifiedCase &test = modifiedCases()[row];
        QTemporaryDir dir;
        auto doc = savedDesign(dir);
        QVERIFY(!doc->Modified());
        test.operation(*doc);
        QCOMPARE(doc->Modified(), test.modifies);
    }

    void setProgramLinesEndsEveryLine()
    {
        TQlsDoc doc;
        doc.SetProgramLines({QStringLiteral("K1"), QString(), QStringLiteral(" x ")});
        QCOMPARE(doc.InfoField(TQlsDoc::PROG), QStringLiteral("K1\r\n\r\n x \r\n"));
        doc.SetProgramLines({});
        QCOMPARE(doc.InfoField(TQlsDoc::PROG), QString());
    }

    void groupMembership()
    {
        TQlsDoc doc;
        doc.SetGroupMember(3, 1, true);
        doc.SetGroupMember(3, 32, true);
        doc.SetGroupMember(3, 0, true);
        QCOMPARE(doc.GroupMask(3), 0x80000001u);
        QVERIFY(doc.InGroup(3, 32));
        QVERIFY(!doc.InGroup(3, 0));
        QVERIFY(!doc.InGroup(4, 1));
        doc.ClearSlotGroups(3);
        QCOMPARE(doc.GroupMask(3), 0u);
    }

    void groupList_data()
    {
        QTest::addColumn<QList<int>>("members");
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("text");
        QTest::newRow("three members") << QList<int>{12, 3, 4} << 2 << QStringLiteral("C3C4C12G2");
        QTest::newRow("no members") << QList<int>{} << 5 << QString();
        QTest::newRow("first and last slot") << QList<int>{1, 20} << 8 << QStringLiteral("C1C20G8");
        QTest::newRow("group 32") << QList<int>{7} << 32 << QStringLiteral("C7G32");
        QTest::newRow("group 0") << QList<int>{7} << 0 << QString();
    }

    void groupList()
    {
        QFETCH(QList<int>, members);
        QFETCH(int, group);
        QFETCH(QString, text);
        TQlsDoc doc;
        for (int s : members)
            doc.SetGroupMember(s, group, true);
        doc.SetGroupMember(9, group == 1 ? 2 : 1, true); // another group's member
        QCOMPARE(doc.GroupList(group), text);
    }

    void applyGroupList_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("groups");
        // Before: group 3 = {1, 2}, group 5 = {7}.
        QTest::newRow("adds members") << "C3C12G5" << true << "C1C2G3; C3C7C12G5";
        QTest::newRow("written form") << "C3C4C12G2" << true << "C3C4C12G2; C1C2G3; C7G5";
        QTest::newRow("slot 20") << "C20G8" << true << "C1C2G3; C7G5; C20G8";
        QTest::newRow("NONE empties a group") << "NONE G3" << true << "C7G5";
        QTest::newRow("NONE of an empty group") << "NONE G4" << true << "C1C2G3; C7G5";
        QTest::newRow("G at the end") << "C3G" << false << "";
        QTest::newRow("C at the end") << "C3G2C" << false << "";
        QTest::newRow("no group") << "C3C4" << false << "";
        QTest::newRow("empty") << "" << false << "";
        QTest::newRow("letter for slot") << "CxG2" << false << "";
        QTest::newRow("letter for group") << "C3Gx" << false << "";
        QTest::newRow("slot 0") << "C0G2" << false << "";
        QTest::newRow("slot 21") << "C4C21G2" << false << "";
        QTest::newRow("NONE without digit") << "NONE G" << false << "";
        QTest::newRow("NONE with letter") << "NONE Gx" << false << "";
    }

    void applyGroupList()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(QString, groups);
        TQlsDoc doc;
        doc.ApplyGroupTokens(QStringLiteral("G3,C1,C2,G5,C7"));
        const QString before = DocSummary(doc);
        QCOMPARE(doc.ApplyGroupList(text), accepted);
        if (accepted)
            QCOMPARE(DocSummary(doc), QStringLiteral("kind=0; ") + groups);
        else
            QCOMPARE(DocSummary(doc), before);
    }

    void applyGroupTokens_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("allTokens");
        QTest::addColumn<QString>("groups");
        QTest::newRow("empty line") << "" << true << "";
        QTest::newRow("group and slots") << "G2,C3,C4" << true << "C3C4G2";
        QTest::newRow("trailing comma") << "G2,C3,G5,C4," << true << "C3G2; C4G5";
        QTest::newRow("bare numbers keep the kind") << "G2,C3,4,G6,7" << true << "C3C4G2";
        QTest::newRow("slots before a group go to group 0") << "C3,C4" << true << "";
        QTest::newRow("slot out of range ignored") << "G2,C21,C0,C3" << true << "C3G2";
        QTest::newRow("group out of range ignored") << "G2,G33,C3" << true << "C3G2";
        QTest::newRow("card line") << "C3,QL324-100 -  1-IN" << false << "";
        QTest::newRow("tokens before a bad one stay") << "G2,C3,COMPANY" << false << "C3G2";
        QTest::newRow("empty token") << "G2,,C3" << false << "";
        QTest::newRow("lone comma") << "," << false << "";
        QTest::newRow("letter only") << "G2,C" << false << "";
        QTest::newRow("not a number") << "G2,C3x" << false << "";
        QTest::newRow("four characters") << "G2,C003" << false << "";
        QTest::newRow("short key") << "SO,5" << false << "";
        QTest::newRow("negative") << "G2,-1" << false << "";
    }

    void applyGroupTokens()
    {
        QFETCH(QString, line);
        QFETCH(bool, allTokens);
        QFETCH(QString, groups);
        TQlsDoc doc;
        QCOMPARE(doc.ApplyGroupTokens(line), allTokens);
        QStringList expected{QStringLiteral("kind=0")};
        if (!groups.isEmpty())
            expected << groups;
        QCOMPARE(DocSummary(doc), expected.join(QStringLiteral("; ")));
    }

    void documentTitle_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("plain") << "/home/user/plant.qls" << "plant";
        QTest::newRow("dotted name") << "/home/user/plant.v2.qls" << "plant.v2";
        QTest::newRow("no extension") << "/tmp/plant" << "plant";
        QTest::newRow("no path") << "" << "";
    }

    void documentTitle()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        TQlsDoc doc;
        doc.SetInfoField(TQlsDoc::FILENAME, path);
        QCOMPARE(doc.DocumentTitle(), title);
    }

    void argumentsOutsideTheModelThrow()
    {
        TQlsDoc doc;
        QVERIFY_THROWS_EXCEPTION(QlError, doc.CardText(0));
        QVERIFY_THROWS_EXCEPTION(QlError, doc.PlaceCard(21, Cards::OneSlot));
        QVERIFY_THROWS_EXCEPTION(QlError, doc.SetGroupMember(1, 33, true));
        QVERIFY_THROWS_EXCEPTION(QlError, doc.SetEnclosure(6));
        QVERIFY_THROWS_EXCEPTION(QlError, doc.InfoField(11));
        QVERIFY(!doc.Modified());
    }
};

QL_REGISTER_TEST(TestQlsDoc)
#include "test_qlsdoc.moc"
