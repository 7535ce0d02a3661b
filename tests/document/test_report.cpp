#include "DocSummary.h"
#include "app/QlError.h"
#include "document/DesignReport.h"
#include "document/EnclosurePicture.h"
#include "document/QlsDoc.h"
#include "support/TestMain.h"
#include "support/ToolOutput.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <QTemporaryDir>

namespace {

struct Word
{
    QString text;
    int page;
    QRectF box; // points
};

// A report rendered into a PDF (1200 dpi) and read back with poppler's tools.
struct Rendered
{
    QStringList pages;          // text of each page, lines with blanks collapsed
    QList<Word> words;
    QSizeF pageSize;            // points
    QStringList images;         // "page:widthxheight" per picture
    int printedPages = 0;       // as PrintReport counted them

    QStringList Lines(int page) const { return pages.value(page).split(u'\n'); }
    QStringList AllLines() const { return pages.join(u'\n').split(u'\n'); }
};

const ReportFooter Footer{"plant.qls", QDate(2026, 3, 4)};

// A printer with a ring of `unprintable` points around the paper (A4).
Rendered Render(const TQlsDoc &doc, const ReportSetup &setup, double unprintable = 0)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(pdf);
    const QMarginsF ring(unprintable, unprintable, unprintable, unprintable);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, ring,
                                      QPageLayout::Point, ring));

    Rendered rendered;
    rendered.printedPages =
        PrintReport(printer, doc, setup, Footer, &EnclosurePicture::RenderPicture);
    for (QString page : ToolOutput("pdftotext", {"-layout", pdf, "-"}).split(u'\f')) {
        QStringList lines;
        for (const QString &line : page.split(u'\n'))
            lines << line.simplified();
        rendered.pages << lines.join(u'\n');
    }
    rendered.pages.removeLast(); // after the last form feed

    static const QRegularExpression pageTag(R"re(<page width="([\d.]+)" height="([\d.]+)")re");
    static const QRegularExpression wordTag(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re");
    int page = -1;
    for (const QString &line : ToolOutput("pdftotext", {"-bbox", pdf, "-"}).split(u'\n')) {
        if (const auto m = pageTag.match(line); m.hasMatch()) {
            ++page;
            rendered.pageSize = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
        } else if (const auto w = wordTag.match(line); w.hasMatch()) {
            rendered.words.append({w.captured(5), page,
                                   QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                                          QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()))});
        }
    }

    const QStringList list = ToolOutput("pdfimages", {"-list", pdf}).split(u'\n').mid(2);
    for (const QString &row : list) {
        const QStringList f = row.simplified().split(u' ');
        if (f.size() > 4)
            rendered.images << f[0] + ':' + f[3] + 'x' + f[4] + ':' + f[8];
    }
    return rendered;
}

ReportSetup Setup(bool info, bool code, bool lores, bool hires, bool portrait = true)
{
    ReportSetup setup;
    setup.cardAndGroupInfo = info;
    setup.programCode = code;
    setup.lowResolutionPicture = lores;
    setup.highResolutionPicture = hires;
    setup.portrait = portrait;
    return setup;
}

// A 20-slot design with a customer and two program lines.
std::unique_ptr<TQlsDoc> Design(const QStringList &program = {"[ON1C5]", "{K1}"})
{
    auto doc = std::make_unique<TQlsDoc>();
    doc->SetInfoField(TQlsDoc::COMPANY, "Acme");
    doc->SetProgramLines(program);
    return doc;
}

} // namespace

Q_DECLARE_METATYPE(ReportSetup)

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void headerCardAndGroupLines()
    {
        TQlsDoc doc;
        doc.SetEnclosure(2);
        doc.PlaceCard(3, Cards::TwoSlot);
        doc.PlaceCard(5, Cards::OneSlot);
        doc.SetGroupMember(3, 1, true);
        doc.SetGroupMember(5, 1, true);
        for (const auto &[field, text] : {std::pair{TQlsDoc::COMPANY, "Acme"}, {TQlsDoc::ACCOUNT, "A-17"},
                                          {TQlsDoc::CONTACT, "Jo"}, {TQlsDoc::PHONE, "555-1"},
                                          {TQlsDoc::FAX, "555-2"}, {TQlsDoc::EMAIL, "jo@acme"},
                                          {TQlsDoc::SO, "SO9"}, {TQlsDoc::TSR, "T4"},
                                          {TQlsDoc::COMMENT, "Rack B\r\nNear & dear\r\n"}})
            doc.SetInfoField(field, text);

        const Rendered report = Render(doc, Setup(true, true, false, false));
        QCOMPARE(report.pages.size(), 1);
        const QString cover = "QL508-101 - QUILLON CARD SLOT COVER (1 PC.)";
        const QStringList expected = {
            "Company: Acme Rack B", "Account: A-17 Near & dear", "Contact: Jo", "Phone: 555-1",
            "Fax: 555-2", "Email: jo@acme", "SO number: SO9", "TSR number: T4", "", "",
            "CARD INFORMATION", "Card 1: " + cover, "Card 2: RESERVED",
            "Card 3: " + Cards::TwoSlot.simplified(), "Card 4: " + cover,
            "Card 5: " + Cards::OneSlot.simplified(), "Card 6: " + cover, "Card 7: " + cover,
            "Card 8: " + cover, "", "GROUP INFORMATION", "Group 1: C3C5G1", "Group 2:", "Group 3:",
            "Group 4:", "Group 5:", "Group 6:", "Group 7:", "Group 8:"};
        QCOMPARE(report.Lines(0).mid(0, expected.size()), expected);
        QVERIFY(!report.pages[0].contains("PROGRAM CODE")); // the program is empty
        // The comments form a second column from the middle of the page.
        for (const Word &word : report.words)
            if (word.text == "Rack")
                QVERIFY(qAbs(word.box.left() - report.pageSize.width() / 2) < 2);
    }

    void switches_data()
    {
        QTest::addColumn<ReportSetup>("setup");
        QTest::addColumn<QStringList>("sections");
        QTest::addColumn<QStringList>("images");
        QTest::addColumn<int>("pages");
        // Flate-coded ("image"), not JPEG; the high resolution picture at
        // half its pixels, still over 300 per inch.
        const QString low = "665x280:image", high = "2660x1120:image";
        QTest::newRow("start values") << Setup(true, true, true, false)
                                      << QStringList{"CARD INFORMATION", "PROGRAM CODE"}
                                      << QStringList{"2:" + low} << 2;
        QTest::newRow("cards") << Setup(true, false, false, false)
                               << QStringList{"CARD INFORMATION"} << QStringList() << 1;
        QTest::newRow("program") << Setup(false, true, false, false)
                                 << QStringList{"PROGRAM CODE", "[ON1C5]", "{K1}"} << QStringList() << 1;
        QTest::newRow("both pictures") << Setup(false, false, true, true) << QStringList()
                                       << QStringList{"1:" + low, "2:" + high} << 2;
        // Wider on paper: under 600 per inch, so it stays whole.
        QTest::newRow("high resolution, landscape") << Setup(false, false, false, true, false)
                                                    << QStringList()
                                                    << QStringList{"1:5320x2240:image"} << 1;
    }
    void switches()
    {
        QFETCH(ReportSetup, setup);
        QFETCH(QStringList, sections);
        const Rendered report = Render(*Design(), setup);
        QTEST(report.images, "images");
        QTEST(int(report.pages.size()), "pages");
        for (const char *title : {"CARD INFORMATION", "PROGRAM CODE"})
            QCOMPARE(report.AllLines().contains(title), sections.contains(title));
        for (const QString &line : sections)
            QVERIFY2(report.AllLines().contains(line), qPrintable(line));
        QCOMPARE(report.pageSize.width() < report.pageSize.height(), setup.portrait);
        for (int page = 0; page < report.pages.size(); ++page)
            QCOMPARE(report.Lines(page).first(), QString("Company: Acme"));
    }

    // Program lines that wrap to two and three lines, and one taller than a
    // page: each page starts with the header, nothing runs past the bottom
    // of the frame, and the lines keep their order.
    void pageBreaksKeepTextInsideTheFrame()
    {
        QStringList program;
        for (int i = 1; i <= 60; ++i)
            program << QString("TEXT%1 ").arg(i) + QString("word ").repeated(i % 2 ? 30 : 50);
        program << QString("HUGE ").repeated(9000) << "LAST";
        ReportSetup setup = Setup(false, true, false, false);
        setup.margins[ReportSetup::Bottom] = 1;
        setup.pageFooter = false;
        const Rendered report = Render(*Design(program), setup);

        const double frameBottom = report.pageSize.height() - 72;
        for (const Word &word : report.words)
            QVERIFY2(word.box.bottom() <= frameBottom + 2,
                     qPrintable(QString("%1 on page %2").arg(word.text).arg(word.page + 1)));
        int next = 1;
        for (int page = 0; page < report.pages.size(); ++page) {
            QCOMPARE(report.Lines(page).first(), QString("Company: Acme"));
            for (const QString &line : report.Lines(page))
                if (line.startsWith(QString("TEXT%1 ").arg(next)))
                    ++next;
                else if (line.startsWith("TEXT"))
                    QFAIL(qPrintable("out of order: " + line));
        }
        QCOMPARE(next, 61);
        QVERIFY(report.pages.size() > 8);
        QVERIFY(report.pages.last().contains("LAST"));
    }

    // The comments wrap at the page's right edge.
    void commentWrapsAndMargins()
    {
        auto doc = Design();
        doc->SetInfoField(TQlsDoc::COMMENT, QString("remark ").repeated(80));
        ReportSetup setup = Setup(true, false, false, false);
        setup.margins = {1, 2, 0.5, 0};
        const Rendered report = Render(*doc, setup);

        double right = 0;
        QSet<int> rows;
        for (const Word &word : report.words) {
            if (word.text == "remark") {
                right = std::max(right, word.box.right());
                rows.insert(qRound(word.box.top()));
            }
            if (word.text == "Company:") {
                QVERIFY(qAbs(word.box.left() - 72) < 1);
                QVERIFY(qAbs(word.box.top() - 36) < 4);
            }
        }
        QVERIFY(rows.size() > 3);
        QVERIFY(right > report.pageSize.width() - 72); // past the right margin's 2 inches
    }

    // A margin is the inches typed, from the paper's edge; nothing falls into
    // the printer's unprintable ring, so 0 means the printer's minimum.
    void marginsFromThePapersEdge_data()
    {
        QTest::addColumn<double>("margin");
        QTest::addColumn<double>("unprintable"); // points
        QTest::addColumn<double>("frame");       // points from each edge
        QTest::newRow("0 without a ring") << 0.0 << 0.0 << 0.0;
        QTest::newRow("0 is the printer's minimum") << 0.0 << 18.0 << 18.0;
        QTest::newRow("half an inch") << 0.5 << 18.0 << 36.0;
        QTest::newRow("inside the ring") << 0.125 << 18.0 << 18.0;
        QTest::newRow("negative") << -1.0 << 18.0 << 18.0;
    }
    void marginsFromThePapersEdge()
    {
        QFETCH(double, margin);
        QFETCH(double, unprintable);
        QFETCH(double, frame);
        auto doc = Design(QStringList(70, QString("LINE ") + QString("wide ").repeated(40)));
        doc->SetInfoField(TQlsDoc::COMMENT, QString("remark ").repeated(80));
        ReportSetup setup = Setup(true, true, false, false);
        setup.margins = {margin, margin, margin, margin};
        const Rendered report = Render(*doc, setup, unprintable);

        QVERIFY(report.pages.size() > 1);
        const QMarginsF ring(unprintable, unprintable, unprintable, unprintable);
        const QRectF printable = QRectF(QPointF(0, 0), report.pageSize).marginsRemoved(ring);
        QMap<int, double> footerTop;
        for (const Word &word : report.words)
            if (word.text == "plant.qls")
                footerTop[word.page] = word.box.top();
        QCOMPARE(int(footerTop.size()), int(report.pages.size()));
        for (const Word &word : report.words) {
            QVERIFY2(printable.adjusted(-1, -1, 1, 1).contains(word.box),
                     qPrintable(QString("%1 on page %2").arg(word.text).arg(word.page + 1)));
            if (word.text == "Company:") {
                QVERIFY(qAbs(word.box.left() - frame) < 1);
                QVERIFY(qAbs(word.box.top() - frame) < 4);
            }
            // The footer's line is below the frame's text.
            if (word.box.top() < footerTop[word.page] - 1)
                QVERIFY(word.box.bottom() <= footerTop[word.page]);
        }
    }

    // A long company name wraps before the comment column; so does an
    // address too long for a line of the column, broken inside.
    void longCompanyWrapsBeforeTheComments()
    {
        auto doc = Design();
        const QString company = "Northbridge Broadcast System Integration"; // 40 characters
        QCOMPARE(company.size(), 40);
        doc->SetInfoField(TQlsDoc::COMPANY, company);
        doc->SetInfoField(TQlsDoc::EMAIL, "installations.department@northbridge-broadcast.example");
        doc->SetInfoField(TQlsDoc::COMMENT, "Rack B");
        ReportSetup setup = Setup(false, true, false, false);
        setup.margins = {2.5, 2.5, 0.5, 0.5}; // a narrow frame: 3.27 inches
        setup.pageFooter = false;
        const Rendered report = Render(*doc, setup);

        const double column = report.pageSize.width() / 2;
        QSet<int> companyRows;
        double accountTop = 0;
        for (const Word &word : report.words) {
            if (word.page != 0 || word.text == "Rack" || word.text == "B")
                continue;
            QVERIFY2(word.box.right() < column, qPrintable(word.text));
            if (company.contains(word.text) || word.text == "Company:")
                companyRows.insert(qRound(word.box.top()));
            if (word.text == "Account:")
                accountTop = word.box.top();
        }
        QVERIFY(companyRows.size() > 1);
        QVERIFY(accountTop > *std::max_element(companyRows.begin(), companyRows.end()));
        QVERIFY(report.pages[0].contains("Rack B"));
    }

    // Below the frame of every page: the file name, the print date and
    // "Page n of m"; the frame's content stays where it was without them.
    void footerOnEveryPage()
    {
        QStringList program;
        for (int i = 1; i <= 150; ++i)
            program << QString("LINE%1").arg(i);
        ReportSetup setup = Setup(true, true, true, false);
        setup.margins = {0.5, 0.5, 0.5, 1};
        const Rendered withFooter = Render(*Design(program), setup);
        setup.pageFooter = false;
        const Rendered without = Render(*Design(program), setup);

        const int pages = int(withFooter.pages.size());
        QVERIFY(pages >= 3);
        QCOMPARE(withFooter.printedPages, pages);
        QCOMPARE(int(without.pages.size()), pages);
        for (int page = 0; page < pages; ++page) {
            const QStringList lines = withFooter.Lines(page);
            const QString footer =
                QString("plant.qls 2026-03-04 Page %1 of %2").arg(page + 1).arg(pages);
            QVERIFY2(lines.contains(footer), qPrintable(withFooter.pages[page]));
            QVERIFY(!without.pages[page].contains("Page"));
        }
        const double frameBottom = withFooter.pageSize.height() - 72;
        QList<Word> inside;
        for (const Word &word : withFooter.words) {
            const bool footer = word.box.top() > frameBottom;
            QCOMPARE(footer, word.text == "plant.qls" || word.text == "2026-03-04"
                                 || word.text == "Page" || word.text == "of"
                                 || word.text == QString::number(pages)
                                 || word.text.toInt() == word.page + 1);
            if (!footer)
                inside << word;
        }
        QCOMPARE(inside.size(), without.words.size());
        for (int i = 0; i < inside.size(); ++i)
            QCOMPARE(inside[i].box, without.words[i].box);
    }

    // A picture that cannot be composed ends the report with its error.
    void pictureErrorEndsTheReport()
    {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(dir.filePath("report.pdf"));
        const auto missing = [](const TQlsDoc &, bool) -> QImage { throw QlError("no picture"); };
        QVERIFY_THROWS_EXCEPTION(QlError,
                                 PrintReport(printer, *Design(), ReportSetup(), Footer, missing));
    }
};

QL_REGISTER_TEST(TestReport)
#include "test_report.moc"
