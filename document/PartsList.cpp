#include "document/PartsList.h"

#include "document/Artwork.h"
#include "document/CardCatalog.h"
#include "document/QlsDoc.h"

#include <QStringList>

#include <map>

namespace PartsList {

namespace {

// "QL324-100 -  1-IN 6-OUT VIDEO DA; ..." gives "1-IN 6-OUT VIDEO DA; ...".
QString DescriptionOf(const QString &line)
{
    QString rest = line.mid(CardCatalog::ModelCode(line).size()).trimmed();
    if (rest.startsWith(u'-'))
        rest = rest.mid(1).trimmed();
    return rest;
}

// The catalog's description of a card; a model the catalog does not know
// keeps what its card text says.
QString CardDescription(const QString &code, const QString &cardText)
{
    const int index = CardCatalog::IndexOfCode(code);
    return DescriptionOf(index >= 0 ? CardCatalog::Lines().at(index) : cardText);
}

Row EnclosureRow(const TQlsDoc &doc)
{
    Row row;
    row.model = Artwork::EnclosureName(doc.EnclosureKind());
    row.description = QStringLiteral("%1-SLOT ENCLOSURE").arg(doc.SlotCountOfEnclosure());
    row.quantity = 1;
    return row;
}

QString CsvField(const QString &text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    for (const QChar c : text)
        if (special.contains(c))
            return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
    return text;
}

QString CsvRecord(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted << CsvField(field);
    return quoted.join(u',') + QStringLiteral("\r\n");
}

QString SlotList(const QList<int> &slotNumbers)
{
    QStringList numbers;
    for (const int slot : slotNumbers)
        numbers << QString::number(slot);
    return numbers.join(u',');
}

} // namespace

QList<Row> Rows(const TQlsDoc &doc)
{
    std::map<QString, Row> cards; // by model code, so in code order
    for (int slot = 1; slot <= doc.SlotCountOfEnclosure(); ++slot) {
        const QString text = doc.CardText(slot);
        if (text == TQlsDoc::Reserved)
            continue;
        const QString code = text.isEmpty() ? Artwork::SlotCover : CardCatalog::ModelCode(text);
        Row &row = cards[code];
        if (row.slotNumbers.isEmpty()) {
            row.model = code;
            row.description = CardDescription(code, text);
        }
        row.slotNumbers << slot;
        row.quantity = int(row.slotNumbers.size());
    }
    QList<Row> rows{EnclosureRow(doc)};
    for (const auto &[code, row] : cards)
        rows << row;
    return rows;
}

QByteArray Csv(const TQlsDoc &doc)
{
    QString csv = CsvRecord({QStringLiteral("Model"), QStringLiteral("Description"),
                             QStringLiteral("Quantity"), QStringLiteral("Slots")});
    for (const Row &row : Rows(doc))
        csv += CsvRecord({row.model, row.description, QString::number(row.quantity),
                          SlotList(row.slotNumbers)});
    return csv.toUtf8();
}

} // namespace PartsList
