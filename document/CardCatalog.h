#pragma once

#include <QString>
#include <QStringList>

// The fixed list of card models, their slot widths and model numbers.
namespace CardCatalog {

// The 98 catalog lines in list order; line 0 is the slot cover.
const QStringList &Lines();

// Width table entries "code=width" in stored order (the first match wins).
const QStringList &SlotWidthTable();

// First nine characters of a catalog line or card text.
QString ModelCode(const QString &cardText);

// fff * 1000 + vvv for "QLfff-vvv"; 0 when the code is not of that form.
int ModelNumber(const QString &code);

// Width in slots (1..4) of a model code, case-insensitive; 1 when not listed.
int SlotWidth(const QString &code);

// Tab name ("QL324_100") and caption ("324-100") of a model code.
QString TabName(const QString &code);
QString TabCaption(const QString &code);

// Index of the catalog line whose model code is `code`, or -1.
int IndexOfCode(const QString &code);

// Model codes that have pictures but no catalog line.
const QStringList &ExtraPictureCodes();

} // namespace CardCatalog
