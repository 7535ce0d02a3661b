#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class TQlsDoc;

// The parts to order for a design: the enclosure, then one row per model
// code in code order, with the slots that hold it. Empty slots of the
// enclosure need a slot cover and count as that model; slots reserved by a
// wider card count nothing.
namespace PartsList {

struct Row
{
    QString model;       // model code; empty for an enclosure without one
    QString description; // the catalog's, without the code
    QList<int> slotNumbers; // empty for the enclosure
    int quantity = 0;

    bool operator==(const Row &) const = default;
};

QList<Row> Rows(const TQlsDoc &doc);

// The rows as CSV (RFC 4180, UTF-8, CR LF line ends) under the header line
// "Model,Description,Quantity,Slots"; slots are listed as in "3,5,12".
QByteArray Csv(const TQlsDoc &doc);

} // namespace PartsList
