#include "DocSummary.h"
#include "app/QlError.h"
#include "document/Cp1252.h"
#include "document/ProgramTextFile.h"
#include "document/QlsDoc.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QSet>
#include <QTest>

#include <sys/stat.h>

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray latin1(const QString &text)
{
    return text.toLatin1();
}

// A design that uses every field: wide cards in high slots, groups 1, 2, 8
// and 9, commas, empty lines and characters of the code page's high half.
TQlsDoc fullDesign()
{
    TQlsDoc doc;
    doc.SetEnclosure(1);
    doc.SetInfoField(TQlsDoc::COMPANY, QStringLiteral("Acme, Inc."));
    doc.SetInfoField(TQlsDoc::ACCOUNT, QStringLiteral("A-1"));
    doc.SetInfoField(TQlsDoc::CONTACT, QStringLiteral("Zo\u00EB \u20AC"));
    doc.SetInfoField(TQlsDoc::PHONE, QStringLiteral("555"));
    doc.SetInfoField(TQlsDoc::FAX, QStringLiteral("556"));
    doc.SetInfoField(TQlsDoc::EMAIL, QStringLiteral("jo@acme.example"));
    doc.SetInfoField(TQlsDoc::SO, QStringLiteral("SO 7"));
    doc.SetInfoField(TQlsDoc::TSR, QStringLiteral("T9"));
    doc.SetInfoField(TQlsDoc::COMMENT, QStringLiteral("first, with comma\r\n\r\nthird"));
    doc.SetProgramLines({QStringLiteral("K1 {ON}"), QString(), QStringLiteral("K2,x")});
    doc.SetLocked(true);
    doc.PlaceCard(1, Cards::OneSlot);
    doc.PlaceCard(6, Cards::TwoSlot);
    doc.PlaceCard(10, Cards::ThreeSlot);
    doc.PlaceCard(20, Cards::FourSlot);
    doc.ApplyGroupList(QStringLiteral("C1G1"));
    doc.ApplyGroupList(QStringLiteral("C6C10G2"));
    doc.ApplyGroupList(QStringLiteral("C20G8"));
    doc.ApplyGroupList(QStringLiteral("C3G9"));
    return doc;
}

QByteArray fullDesignFile(const QString &one, const QString &two, const QString &three,
                          const QString &four)
{
    return "COMPANY,Acme, Inc.\r\n"
           "ACCOUNT,A-1\r\n"
           "CONTACT,Zo\xEB \x80\r\n"
           "PHONE,555\r\n"
           "FAX,556\r\n"
           "EMAIL,jo@acme.example\r\n"
           "SO,SO 7\r\n"
           "TSR,T9\r\n"
           "LOCKED\r\n"
           "ENCLOSURE,19\r\n"
           "COMMENT,first, with comma\r\n"
           "COMMENT,\r\n"
           "COMMENT,third\r\n"
           "C1," + latin1(one) + "\r\n"
           "C6," + latin1(two) + "\r\n"
           "C10," + latin1(three) + "\r\n"
           "C20," + latin1(four) + "\r\n"
           "GROUP,C1G1\r\n"
           "GROUP,C6C10G2\r\n"
           "GROUP,C20G8\r\n"
           "PROG,K1 {ON}\r\n"
           "PROG,\r\n"
           "PROG,K2,x\r\n";
}

const QString FullDesignAfterReading = QStringLiteral(
    "kind=1; locked; ACCOUNT=A-1; COMMENT=first, with comma\\r\\n\\r\\nthird\\r\\n; "
    "COMPANY=Acme, Inc.; CONTACT=Zo\u00EB \u20AC; EMAIL=jo@acme.example; FAX=556; PHONE=555; "
    "PROG=K1 {ON}\\r\\n\\r\\nK2,x\\r\\n; SO=SO 7; TSR=T9; "
    "C1=QL324-100 ; C5=RESERVED; C6=QL324-103 ; C8=RESERVED; C9=RESERVED; C10=QL346-100 ; "
    "C17=RESERVED; C18=RESERVED; C19=RESERVED; C20=QL346-112 ; "
    "C1G1; C6C10G2; C20G8");

} // namespace

class TestQlsFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }

    std::unique_ptr<TQlsDoc> readText(const QByteArray &bytes)
    {
        writeBytes(path("in.qls"), bytes);
        return TQlsDoc::CreateFromFile(path("in.qls"));
    }

private slots:
    void fullDesignRoundTrip()
    {
        TQlsDoc doc = fullDesign();
        const QString file = path("full.qls");
        doc.SaveToFile(file);
        QVERIFY(!doc.Modified());
        QCOMPARE(doc.InfoField(TQlsDoc::FILENAME), file);
        QCOMPARE(readBytes(file),
                 fullDesignFile(Cards::OneSlot, Cards::TwoSlot, Cards::ThreeSlot, Cards::FourSlot));

        auto read = TQlsDoc::CreateFromFile(file);
        QVERIFY(!read->Modified());
        QCOMPARE(read->InfoField(TQlsDoc::FILENAME), file);
        QCOMPARE(DocSummary(*read), FullDesignAfterReading);

        // Saved again, the cards are written as their model codes.
        const QString again = path("again.qls");
        read->SaveToFile(again);
        QCOMPARE(readBytes(again),
                 fullDesignFile(QStringLiteral("QL324-100 "), QStringLiteral("QL324-103 "),
                                QStringLiteral("QL346-100 "), QStringLiteral("QL346-112 ")));
        QCOMPARE(DocSummary(*TQlsDoc::CreateFromFile(again)), FullDesignAfterReading);
    }

    void emptyDesignWritesOnlyItsEnclosure()
    {
        TQlsDoc doc;
        doc.SaveToFile(path("empty.qls"));
        QCOMPARE(readBytes(path("empty.qls")), QByteArray("ENCLOSURE,20\r\n"));
    }

    void enclosureRoundTrip_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("20 slots") << 0 << QByteArray("ENCLOSURE,20\r\n");
        QTest::newRow("19 slots") << 1 << QByteArray("ENCLOSURE,19\r\n");
        QTest::newRow("8 slots") << 2 << QByteArray("ENCLOSURE,8\r\n");
        QTest::newRow("4 slots") << 3 << QByteArray("ENCLOSURE,4\r\n");
        QTest::newRow("2 slots") << 4 << QByteArray("ENCLOSURE,2\r\n");
        QTest::newRow("1 slot") << 5 << QByteArray("ENCLOSURE,1\r\n");
    }

    void enclosureRoundTrip()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, line);
        TQlsDoc doc;
        doc.SetEnclosure(kind);
        doc.PlaceCard(1, Cards::OneSlot);
        doc.SaveToFile(path("kind.qls"));
        QCOMPARE(readBytes(path("kind.qls")), line + "C1," + latin1(Cards::OneSlot) + "\r\n");
        auto read = TQlsDoc::CreateFromFile(path("kind.qls"));
        QCOMPARE(read->EnclosureKind(), kind);
        QCOMPARE(read->CardText(1), QStringLiteral("QL324-100 "));
    }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("summary");
        QTest::newRow("empty file") << QByteArray() << "kind=0";
        QTest::newRow("commas in a value") << QByteArray("COMPANY,A, B,, C\r\n") << "kind=0; COMPANY=A, B,, C";
        QTest::newRow("later line wins") << QByteArray("SO,1x\r\nSO,2y\r\n") << "kind=0; SO=2y";
        QTest::newRow("empty value") << QByteArray("FAX,\r\n") << "kind=0";
        QTest::newRow("LOCKED") << QByteArray("LOCKED\r\n") << "kind=0; locked";
        QTest::newRow("LOCKED with a value") << QByteArray("LOCKED,no\r\n") << "kind=0; locked";
        QTest::newRow("comment lines") << QByteArray("COMMENT,one\r\nCOMMENT,\r\nCOMMENT,a,b\r\n")
                                       << "kind=0; COMMENT=one\\r\\n\\r\\na,b\\r\\n";
        QTest::newRow("program lines") << QByteArray("PROG,\r\nPROG, K1\r\n") << "kind=0; PROG=\\r\\n K1\\r\\n";
        QTest::newRow("enclosure 8") << QByteArray("ENCLOSURE,8\r\n") << "kind=2";
        QTest::newRow("enclosure 4") << QByteArray("ENCLOSURE,4\r\n") << "kind=3";
        QTest::newRow("enclosure 7") << QByteArray("ENCLOSURE,7\r\n") << "kind=0";
        QTest::newRow("enclosure 19 with blank") << QByteArray("ENCLOSURE, 19\r\n") << "kind=0";
        QTest::newRow("card keeps code and blank")
            << QByteArray("C10,QL346-100 -  16 X 8\r\n")
            << "kind=0; C8=RESERVED; C9=RESERVED; C10=QL346-100 ";
        QTest::newRow("card without blank") << QByteArray("C5,QL324-100\r\n") << "kind=0";
        QTest::newRow("card slot with leading zero") << QByteArray("C05,QL324-100 \r\n") << "kind=0; C5=QL324-100 ";
        QTest::newRow("later card replaces") << QByteArray("C6,QL324-103 \r\nC6,QL324-100 \r\n")
                                             << "kind=0; C6=QL324-100 ";
        QTest::newRow("group line") << QByteArray("GROUP,C3C4C12G2\r\n") << "kind=0; C3C4C12G2";
        QTest::newRow("NONE group line") << QByteArray("GROUP,C3G2\r\nGROUP,NONE G2\r\n") << "kind=0";
        QTest::newRow("malformed group line skipped") << QByteArray("GROUP,C3G\r\nGROUP,C21G1\r\n") << "kind=0";
        QTest::newRow("token line") << QByteArray("G2,C3,C4\r\n") << "kind=0; C3C4G2";
        QTest::newRow("unknown keys") << QByteArray("XYZ,1\r\ncompany,x\r\nVERSION\r\nSO,1\r\n") << "kind=0; SO=1";
        QTest::newRow("empty key") << QByteArray(",COMPANY,x\r\n,\r\nSO,1\r\n") << "kind=0; SO=1";
        QTest::newRow("blank lines only") << QByteArray("\r\n\r\n") << "kind=0";
        QTest::newRow("LF line ends, no final break") << QByteArray("COMPANY,a\nSO,b\rTSR,c") << "kind=0; COMPANY=a; SO=b; TSR=c";
        QTest::newRow("code page high half") << QByteArray("COMPANY,\x80\x81\x9F\xFF\r\n")
                                             << QStringLiteral("kind=0; COMPANY=\u20AC\u0081\u0178\u00FF");
        QTest::newRow("cards before the enclosure")
            << QByteArray("C5,QL324-100 \r\nENCLOSURE,8\r\nC8,QL324-100 \r\n")
            << "kind=2; C5=QL324-100 ; C8=QL324-100 ";
    }

    void reading()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, summary);
        auto doc = readText(file);
        QCOMPARE(DocSummary(*doc), summary);
        QVERIFY(!doc->Modified());
        QCOMPARE(doc->InfoField(TQlsDoc::FILENAME), path("in.qls"));
        // Every file that opens saves into one that opens to the same design.
        doc->SaveToFile(path("again.qls"));
        QCOMPARE(DocSummary(*TQlsDoc::CreateFromFile(path("again.qls"))), summary);
    }

    void readingFailures_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        const QString at = QStringLiteral("Cannot read \"in.qls\", line ");
        QTest::newRow("slot 0") << QByteArray("C0,QL324-100 \r\n") << at + "1 (\"C0,QL324-100 \"): there is no slot 0";
        QTest::newRow("slot 21") << QByteArray("SO,1\r\nC21,QL324-100 \r\n") << at + "2 (\"C21,QL324-100 \"): there is no slot 21";
        QTest::newRow("slot 99") << QByteArray("C99,x \r\n") << at + "1 (\"C99,x \"): there is no slot 99";
        QTest::newRow("huge slot") << QByteArray("C99999999999,x \r\n")
                                   << at + "1 (\"C99999999999,x \"): there is no slot 99999999999";
        QTest::newRow("slot not a number") << QByteArray("C3x,QL324-100 \r\n")
                                           << at + "1 (\"C3x,QL324-100 \"): \"C3x\" is not a slot number";
        QTest::newRow("no slot number") << QByteArray("C,QL324-100 \r\n") << at + "1 (\"C,QL324-100 \"): \"C\" is not a slot number";
        QTest::newRow("key in other case") << QByteArray("Company,x\r\n") << at + "1 (\"Company,x\"): \"Company\" is not a slot number";
        QTest::newRow("long line shortened")
            << QByteArray("Cx,") + QByteArray(100, 'a')
            << at + "1 (\"Cx," + QString(37, u'a') + "...\"): \"Cx\" is not a slot number";
        const QString cannot = QStringLiteral("\"): Cannot place card here");
        QTest::newRow("card too wide for its slot") << QByteArray("C2,QL346-100 \r\n") << at + "1 (\"C2,QL346-100 " + cannot;
        QTest::newRow("overlapping cards") << QByteArray("C3,QL324-100 \r\nC4,QL324-103 \r\n") << at + "2 (\"C4,QL324-103 " + cannot;
        QTest::newRow("card in a reserved slot") << QByteArray("C10,QL346-100 \r\nC9,QL324-100 \r\n") << at + "2 (\"C9,QL324-100 " + cannot;
        QTest::newRow("empty card in a reserved slot") << QByteArray("C10,QL346-100 \r\nC8,QL324-100\r\n") << at + "2 (\"C8,QL324-100" + cannot;
        QTest::newRow("card beyond the file's smaller enclosure")
            << QByteArray("C20,QL324-100 \r\nENCLOSURE,8\r\n") << at + "1 (\"C20,QL324-100 " + cannot;
        const QString foreign = QStringLiteral("Cannot read \"in.qls\": it is not a QLSetup design");
        QTest::newRow("binary junk") << QByteArray("\x01\x02\xFE\r\n\0\0\r\nCx\r\n", 12) << foreign;
        QTest::newRow("document of another program")
            << QByteArray("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n<< /Type /Catalog >>\nendobj\n") << foreign;
    }

    void readingFailures()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        try {
            readText(file);
            QFAIL("reading succeeded");
        } catch (const QlError &error) {
            QCOMPARE(error.message(), message);
        }
    }

    void longMultiLineFieldsRead()
    {
        // Appending line by line must not copy the whole field each time:
        // a file near the size limit still reads in moments.
        constexpr int pairs = 500000; // 15 MB
        const QByteArray pair("PROG,K1 {ON1}\r\nCOMMENT,note\r\n");
        auto doc = readText(pair.repeated(pairs));
        QCOMPARE(doc->InfoField(TQlsDoc::PROG), QStringLiteral("K1 {ON1}\r\n").repeated(pairs));
        QCOMPARE(doc->InfoField(TQlsDoc::COMMENT), QStringLiteral("note\r\n").repeated(pairs));
    }

    void unreadableFiles()
    {
        const QString missing = path("missing.qls");
        QVERIFY_THROWS_EXCEPTION(QlError, TQlsDoc::CreateFromFile(missing));
        QVERIFY_THROWS_EXCEPTION(QlError, TQlsDoc::CreateFromFile(m_dir.path()));
        // A pipe is refused at once instead of waiting for a writer.
        QCOMPARE(::mkfifo(QFile::encodeName(path("pipe.qls")).constData(), 0600), 0);
        try {
            TQlsDoc::CreateFromFile(path("pipe.qls"));
            QFAIL("a pipe was read");
        } catch (const QlError &error) {
            QCOMPARE(error.message(),
                     QStringLiteral("Cannot open \"%1\": it is not a regular file").arg(path("pipe.qls")));
        }
        writeBytes(path("huge.qls"), QByteArray(16 * 1024 * 1024 + 1, ','));
        try {
            TQlsDoc::CreateFromFile(path("huge.qls"));
            QFAIL("a huge file was read");
        } catch (const QlError &error) {
            QVERIFY2(error.message().contains(QStringLiteral("larger than 16 MB")), qPrintable(error.message()));
        }
    }

    void savingReplacesTheFileAtOnce()
    {
        const QString file = path("replace.qls");
        writeBytes(file, QByteArray(5000, 'x'));
        TQlsDoc doc;
        doc.SaveToFile(file);
        QCOMPARE(readBytes(file), QByteArray("ENCLOSURE,20\r\n"));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).filter(QStringLiteral("replace")),
                 QStringList{QStringLiteral("replace.qls")});
    }

    // An interrupted save leaves its temporary beside the file; the next
    // save of that file removes it, and nothing that only looks alike.
    void staleTemporariesGoAtTheNextSave()
    {
        QTemporaryDir folder;
        const QStringList beside{"plant.qls.backup", "plant.qls.OLDONE", "other.qls.AbCdEf",
                                 "plant.qls.AbC"};
        for (const char *name : {"plant.qls.AbCdEf", "plant.qls.xYzzYq"})
            writeBytes(folder.filePath(name), "ENCLOSURE,20\r\n");
        for (const QString &name : beside)
            writeBytes(folder.filePath(name), "kept");
        TQlsDoc().SaveToFile(folder.filePath("plant.qls"));
        QStringList left = QDir(folder.path()).entryList(QDir::Files);
        left.removeOne(QStringLiteral("plant.qls"));
        QCOMPARE(QSet<QString>(left.begin(), left.end()), QSet<QString>(beside.begin(), beside.end()));
    }

    void refusedSaves_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString snowman = QStringLiteral("\u2603");
        const auto cannot = [](const char *field, const QString &what) {
            return QStringLiteral("The %1 field holds \"%2\", which Windows-1252 cannot represent; "
                                  "nothing was saved.").arg(QLatin1String(field), what);
        };
        QTest::newRow("COMPANY") << int(TQlsDoc::COMPANY) << "Snow " + snowman << cannot("COMPANY", snowman);
        QTest::newRow("TSR") << int(TQlsDoc::TSR) << QStringLiteral("\u0100") << cannot("TSR", QStringLiteral("\u0100"));
        QTest::newRow("COMMENT second line") << int(TQlsDoc::COMMENT) << "ok\r\n" + snowman << cannot("COMMENT", snowman);
        QTest::newRow("PROG emoji") << int(TQlsDoc::PROG) << QStringLiteral("K1 \U0001F600\r\n")
                                    << cannot("PROG", QStringLiteral("\U0001F600"));
        QTest::newRow("line break in a single-line field")
            << int(TQlsDoc::EMAIL) << "a\nC3,QL346-100 "
            << "The EMAIL field holds a line break, which the file cannot store; nothing was saved.";
        QTest::newRow("card text") << -1 << "QL324-100 " + snowman << cannot("C3", snowman);
    }

    void refusedSaves()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        const QString file = path("refused.qls");
        TQlsDoc doc;
        doc.SaveToFile(file);
        doc.SetInfoField(TQlsDoc::COMPANY, QStringLiteral("kept"));
        if (field < 0)
            doc.PlaceCard(3, text);
        else
            doc.SetInfoField(field, text);
        try {
            doc.SaveToFile(path("other.qls"));
            QFAIL("the save succeeded");
        } catch (const QlError &error) {
            QCOMPARE(error.message(), message);
        }
        QVERIFY(doc.Modified());
        QCOMPARE(doc.InfoField(TQlsDoc::FILENAME), file);
        QVERIFY(!QFile::exists(path("other.qls")));
    }

    void failedWriteKeepsStateAndOldFile()
    {
        const QString file = path("kept.qls");
        TQlsDoc doc;
        doc.SaveToFile(file);
        doc.SetInfoField(TQlsDoc::SO, QStringLiteral("1"));
        QVERIFY_THROWS_EXCEPTION(QlError, doc.SaveToFile(path("no-such-folder/x.qls")));
        QVERIFY_THROWS_EXCEPTION(QlError, doc.SaveToFile(m_dir.path()));
        QVERIFY(doc.Modified());
        QCOMPARE(doc.InfoField(TQlsDoc::FILENAME), file);
        QCOMPARE(readBytes(file), QByteArray("ENCLOSURE,20\r\n"));
    }

    void multiLineFieldsSplitAtAnyLineBreak()
    {
        TQlsDoc doc;
        doc.SetInfoField(TQlsDoc::COMMENT, QStringLiteral("a\nb\rc\r\n"));
        doc.SaveToFile(path("breaks.qls"));
        QCOMPARE(readBytes(path("breaks.qls")),
                 QByteArray("ENCLOSURE,20\r\nCOMMENT,a\r\nCOMMENT,b\r\nCOMMENT,c\r\n"));
    }

    void codePageRoundTripsEveryByte()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        const QString text = Cp1252::Decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text[0x80], QChar(0x20AC));
        QCOMPARE(text[0x8A], QChar(0x0160));
        QCOMPARE(text[0x99], QChar(0x2122));
        QCOMPARE(text[0xE9], QChar(0x00E9));
        QCOMPARE(Cp1252::Encode(text), std::optional<QByteArray>(all));
        QCOMPARE(Cp1252::Encode(QStringLiteral("\u0160\u0100")), std::nullopt);
        QCOMPARE(Cp1252::FirstUnencodable(QStringLiteral("ok \U0001F600 \u0100")), QStringLiteral("\U0001F600"));
        QCOMPARE(Cp1252::FirstUnencodable(text), QString());
    }

    void programTextExport()
    {
        const QString file = path("prog.txt");
        ProgramTextFile::Write(file, {QStringLiteral("K1 {ON}"), QString(), QStringLiteral("a,b \u20AC"), QString()});
        QCOMPARE(readBytes(file), QByteArray("K1 {ON}\r\n\r\na,b \x80\r\n\r\n"));
        QCOMPARE(ProgramTextFile::Read(file),
                 (QStringList{QStringLiteral("K1 {ON}"), QString(), QStringLiteral("a,b \u20AC"), QString()}));
        ProgramTextFile::Write(file, {});
        QCOMPARE(readBytes(file), QByteArray());
    }

    void programTextExportRefused()
    {
        const QString file = path("refused.txt");
        writeBytes(file, "old\r\n");
        try {
            ProgramTextFile::Write(file, {QStringLiteral("ok"), QStringLiteral("x \u2603")});
            QFAIL("the export succeeded");
        } catch (const QlError &error) {
            QCOMPARE(error.message(), QStringLiteral("Line 2 of the program holds \"\u2603\", which "
                                                     "Windows-1252 cannot represent; nothing was exported."));
        }
        QCOMPARE(readBytes(file), QByteArray("old\r\n"));
        QVERIFY_THROWS_EXCEPTION(QlError, ProgramTextFile::Write(path("no-such-folder/p.txt"), {}));
    }

    void programTextImport_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("one empty line") << QByteArray("\r\n") << QStringList{QString()};
        QTest::newRow("no final break") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("LF and CR line ends") << QByteArray("a\n\nb\rc\n") << QStringList{"a", "", "b", "c"};
        QTest::newRow("blanks kept") << QByteArray("  \r\n x \r\n") << QStringList{"  ", " x "};
    }

    void programTextImport()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, lines);
        writeBytes(path("import.txt"), file);
        QCOMPARE(ProgramTextFile::Read(path("import.txt")), lines);
    }

    void programTextImportMissingFile()
    {
        try {
            ProgramTextFile::Read(path("none.txt"));
            QFAIL("a missing file was read");
        } catch (const QlError &error) {
            QVERIFY2(error.message().startsWith(QStringLiteral("Cannot open \"") + path("none.txt")),
                     qPrintable(error.message()));
        }
    }
};

QL_REGISTER_TEST(TestQlsFile)
#include "test_qlsfile.moc"
