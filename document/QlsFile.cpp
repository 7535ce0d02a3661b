// The ".qls" document file: one "KEY,value" record per line, Windows-1252, CR LF.
#include "document/QlsDoc.h"

#include "app/QlError.h"
#include "document/Cp1252.h"
#include "document/TextFile.h"

#include <QFileInfo>

#include <optional>

namespace {

// Single-line fields in the order they are written.
constexpr struct {
    const char *key;
    TQlsDoc::InfoIndex index;
} SingleFields[] = {
    {"COMPANY", TQlsDoc::COMPANY}, {"ACCOUNT", TQlsDoc::ACCOUNT}, {"CONTACT", TQlsDoc::CONTACT},
    {"PHONE", TQlsDoc::PHONE},     {"FAX", TQlsDoc::FAX},         {"EMAIL", TQlsDoc::EMAIL},
    {"SO", TQlsDoc::SO},           {"TSR", TQlsDoc::TSR},
};

constexpr int FileGroups = 8;

bool hasLineBreak(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

} // namespace

// Composes the bytes of a document file.
class QlsFileWriter
{
public:
    explicit QlsFileWriter(const TQlsDoc &doc) : m_doc(doc) {}

    QByteArray Compose()
    {
        for (const auto &field : SingleFields) {
            const QString text = m_doc.InfoField(field.index);
            if (!text.isEmpty())
                singleLine(QLatin1String(field.key), text);
        }
        if (m_doc.Locked())
            line(QStringLiteral("LOCKED"), QStringLiteral("LOCKED"));
        line(QStringLiteral("ENCLOSURE"),
             QStringLiteral("ENCLOSURE,%1").arg(m_doc.SlotCountOfEnclosure()));
        multiLine(QStringLiteral("COMMENT"), TQlsDoc::COMMENT);
        for (int s = 1; s <= TQlsDoc::SlotCount; ++s) {
            const QString text = m_doc.CardText(s);
            if (!text.isEmpty() && text != TQlsDoc::Reserved)
                singleLine(QStringLiteral("C%1").arg(s), text);
        }
        for (int g = 1; g <= FileGroups; ++g) {
            const QString members = m_doc.GroupList(g);
            if (!members.isEmpty())
                line(QStringLiteral("GROUP"), QStringLiteral("GROUP,") + members);
        }
        multiLine(QStringLiteral("PROG"), TQlsDoc::PROG);
        return m_bytes;
    }

private:
    void singleLine(const QString &key, const QString &value)
    {
        if (hasLineBreak(value))
            throw QlError(QStringLiteral("The %1 field holds a line break, which the file "
                                         "cannot store; nothing was saved.")
                              .arg(key));
        line(key, key + u',' + value);
    }

    // One line per line of the field; any line break separates lines.
    void multiLine(const QString &key, TQlsDoc::InfoIndex index)
    {
        for (const QString &text : TextFile::SplitLines(m_doc.InfoField(index)))
            line(key, key + u',' + text);
    }

    void line(const QString &field, const QString &text)
    {
        const std::optional<QByteArray> bytes = Cp1252::Encode(text);
        if (!bytes)
            throw QlError(QStringLiteral("The %1 field holds \"%2\", which Windows-1252 cannot "
                                         "represent; nothing was saved.")
                              .arg(field, Cp1252::FirstUnencodable(text)));
        m_bytes += *bytes + "\r\n";
    }

    const TQlsDoc &m_doc;
    QByteArray m_bytes;
};

// Fills an empty document from the text of a document file. The cards are
// placed after every other line has been read, so that they meet the file's
// enclosure wherever its line stands.
class QlsFileReader
{
public:
    QlsFileReader(TQlsDoc &doc, const QString &path) : m_doc(doc), m_path(path) {}

    void Read(const QString &text)
    {
        const QStringList lines = TextFile::SplitLines(text);
        QList<int> cardLines;
        bool designLines = false;
        bool foreignLines = false;
        for (int n = 0; n < lines.size(); ++n) {
            switch (readLine(lines[n])) {
            case Line::Card:
                cardLines.append(n);
                designLines = designLines || isSlotKey(keyOf(lines[n]));
                break;
            case Line::Design:
                designLines = designLines || !lines[n].isEmpty();
                break;
            case Line::Foreign:
                foreignLines = true;
                break;
            }
        }
        // Lines of another kind of file and not one of a design: refused
        // before a save could overwrite that file with an empty design.
        if (foreignLines && !designLines)
            throw QlError(QStringLiteral("Cannot read \"%1\": it is not a QLSetup design")
                              .arg(QFileInfo(m_path).fileName()));
        for (const int n : std::as_const(cardLines))
            placeCard(n + 1, lines[n]);
        m_doc.SetInfoField(TQlsDoc::COMMENT, m_comment);
        m_doc.SetInfoField(TQlsDoc::PROG, m_program);
    }

private:
    enum class Line { Design, Card, Foreign };

    static QString keyOf(const QString &line)
    {
        const qsizetype comma = line.indexOf(u',');
        return comma < 0 ? line : line.left(comma);
    }

    static QString valueOf(const QString &line)
    {
        const qsizetype comma = line.indexOf(u',');
        return comma < 0 ? QString() : line.mid(comma + 1);
    }

    // "C" and a decimal number.
    static bool isSlotKey(const QString &key)
    {
        if (key.size() < 2)
            return false;
        for (qsizetype i = 1; i < key.size(); ++i)
            if (key[i] < u'0' || key[i] > u'9')
                return false;
        return true;
    }

    // Reads every line but a card line; card lines are left for placeCard.
    Line readLine(const QString &line)
    {
        if (m_doc.ApplyGroupTokens(line))
            return Line::Design;
        const QString key = keyOf(line);
        const QString value = valueOf(line);
        if (key == u"PROG") {
            m_program += value + QStringLiteral("\r\n");
        } else if (key == u"COMMENT") {
            m_comment += value + QStringLiteral("\r\n");
        } else if (const auto field = singleField(key)) {
            m_doc.SetInfoField(*field, value);
        } else if (key == u"LOCKED") {
            m_doc.SetLocked(true);
        } else if (key == u"GROUP") {
            m_doc.ApplyGroupList(value);
        } else if (key == u"ENCLOSURE") {
            m_doc.SetEnclosure(enclosureKind(value));
        } else if (key.startsWith(u'C')) {
            return Line::Card;
        } else {
            return Line::Foreign;  // skipped
        }
        return Line::Design;
    }

    static std::optional<TQlsDoc::InfoIndex> singleField(const QString &key)
    {
        for (const auto &field : SingleFields)
            if (key == QLatin1String(field.key))
                return field.index;
        return std::nullopt;
    }

    static int enclosureKind(const QString &slotCount)
    {
        for (int kind = TQlsDoc::EnclosureKindCount - 1; kind > 0; --kind)
            if (slotCount == QString::number(TQlsDoc::EnclosureSlotCount(kind)))
                return kind;
        return 0;
    }

    void placeCard(int number, const QString &line)
    {
        const QString key = keyOf(line);
        if (!isSlotKey(key))
            fail(number, line, QStringLiteral("\"%1\" is not a slot number").arg(key));
        const QString slotText = key.mid(1);
        const int slot = slotText.size() <= 9 ? slotText.toInt() : 0;
        if (slot < 1 || slot > TQlsDoc::SlotCount)
            fail(number, line, QStringLiteral("there is no slot %1").arg(slotText));
        // A slot covered by a card read earlier belongs to that card.
        if (m_doc.CardText(slot) == TQlsDoc::Reserved)
            fail(number, line, TQlsDoc::CannotPlaceCard);
        const QString value = valueOf(line);
        const qsizetype blank = value.indexOf(u' ');
        try {
            m_doc.PlaceCard(slot, blank < 0 ? QString() : value.left(blank + 1));
        } catch (const QlError &error) {
            fail(number, line, error.message());
        }
    }

    [[noreturn]] void fail(int number, const QString &line, const QString &reason) const
    {
        constexpr int shown = 40;
        const QString excerpt = line.size() > shown ? line.left(shown) + QStringLiteral("...") : line;
        throw QlError(QStringLiteral("Cannot read \"%1\", line %2 (\"%3\"): %4")
                          .arg(QFileInfo(m_path).fileName())
                          .arg(number)
                          .arg(excerpt, reason));
    }

    TQlsDoc &m_doc;
    QString m_path;
    // The multi-line fields, gathered here so that each line is one append.
    QString m_comment;
    QString m_program;
};

void TQlsDoc::SaveToFile(const QString &path)
{
    TextFile::WriteAtomically(path, QlsFileWriter(*this).Compose());
    SetInfoField(FILENAME, path);
    m_modified = false;
}

std::unique_ptr<TQlsDoc> TQlsDoc::CreateFromFile(const QString &path)
{
    const QString text = TextFile::Read(path);
    auto doc = std::make_unique<TQlsDoc>();
    QlsFileReader(*doc, path).Read(text);
    doc->SetInfoField(FILENAME, path);
    doc->m_modified = false;
    return doc;
}
