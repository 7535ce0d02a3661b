#include "document/QlsDoc.h"

#include "app/QlError.h"
#include "document/Artwork.h"
#include "document/CardCatalog.h"

#include <QFileInfo>

#include <algorithm>

const QString TQlsDoc::Reserved = QStringLiteral("RESERVED");
const QString TQlsDoc::CannotPlaceCard = QStringLiteral("Cannot place card here");

namespace {

using Geometry = TQlsDoc::Geometry;

// The slot places of the enclosure picture of `kind`, each with the widest card
// it takes: up to six slots in a row, up to its place in a column of four.
Geometry pictureGeometry(int kind)
{
    const Artwork::SlotPlaces places = Artwork::NormalPlaces(kind);
    Geometry rows{};
    for (int i = 1; i <= TQlsDoc::SlotCount; ++i) {
        const Artwork::SlotPlace &place = places[i - 1];
        if (place == Artwork::SlotPlace{})
            continue;
        const int maxWidth = place.turned ? (i - 1) % 4 + 1 : std::min(i, 6);
        rows[i - 1] = {place.x, place.y, maxWidth, place.turned};
    }
    return rows;
}

bool isGroup(int group)
{
    return group >= 0 && group <= TQlsDoc::GroupCount;
}

std::uint32_t groupBit(int group)
{
    return group == 0 ? 0u : 1u << (group - 1);
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Non-negative decimal number made of ASCII digits only; -1 otherwise.
int decimal(QStringView text)
{
    if (text.isEmpty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), isDigit))
        return -1;
    return text.toInt();
}

} // namespace

TQlsDoc::TQlsDoc()
    : m_slotGeometry(KindGeometry(0))
{
}

const TQlsDoc::Geometry &TQlsDoc::KindGeometry(int kind)
{
    static const std::array<Geometry, 4> kinds = {
        pictureGeometry(0),
        pictureGeometry(1),
        pictureGeometry(2),
        pictureGeometry(3),
    };
    if (kind < 0 || kind >= int(kinds.size()))
        throw QlError(QStringLiteral("Enclosure kind %1 has no slot table").arg(kind));
    return kinds[kind];
}

int TQlsDoc::EnclosureSlotCount(int kind)
{
    if (kind < 0 || kind >= EnclosureKindCount)
        throw QlError(QStringLiteral("Enclosure kind %1 does not exist").arg(kind));
    return Artwork::SlotCount(kind);
}

int TQlsDoc::checkedSlot(int slot)
{
    if (slot < 1 || slot > SlotCount)
        throw QlError(QStringLiteral("Slot %1 does not exist").arg(slot));
    return slot;
}

TQlsDoc::Slot &TQlsDoc::slotAt(int slot)
{
    return m_slots[checkedSlot(slot) - 1];
}

const TQlsDoc::Slot &TQlsDoc::slotAt(int slot) const
{
    return m_slots[checkedSlot(slot) - 1];
}

QString TQlsDoc::CardText(int slot) const
{
    return slotAt(slot).CardText;
}

std::uint32_t TQlsDoc::GroupMask(int slot) const
{
    return slotAt(slot).GroupMask;
}

QString TQlsDoc::InfoField(int index) const
{
    if (index < 0 || index >= InfoFieldCount)
        throw QlError(QStringLiteral("Information field %1 does not exist").arg(index));
    return m_infoFields[index];
}

void TQlsDoc::SetInfoField(int index, const QString &text)
{
    if (InfoField(index) == text)
        return;
    m_infoFields[index] = text;
    m_modified = true;
}

void TQlsDoc::SetProgramLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    SetInfoField(PROG, text);
}

void TQlsDoc::ClearSlot(int slot)
{
    Slot &own = slotAt(slot);
    const int width = CardCatalog::SlotWidth(CardCatalog::ModelCode(own.CardText));
    bool removed = false;
    for (int s = std::max(1, slot - width + 1); s <= slot; ++s) {
        QString &text = m_slots[s - 1].CardText;
        removed = removed || !text.isEmpty();
        text.clear();
    }
    if (removed)
        m_modified = true;
}

void TQlsDoc::PlaceCard(int slot, const QString &text)
{
    // The same model again (the catalog line for a code read from a file,
    // say) changes only the text; the design is not modified by it.
    QString &own = slotAt(slot).CardText;
    if (!text.isEmpty() && own != Reserved
        && CardCatalog::ModelCode(own) == CardCatalog::ModelCode(text)) {
        own = text;
        return;
    }
    ClearSlot(slot);
    if (text.isEmpty())
        return;
    const int width = CardCatalog::SlotWidth(CardCatalog::ModelCode(text));
    if (width > SlotGeometry(slot).MaxWidth)
        throw QlError(CannotPlaceCard);
    const int lowest = slot - width + 1;
    if (lowest < 1)
        throw QlError(CannotPlaceCard);
    for (int s = slot - 1; s >= lowest; --s)
        if (!m_slots[s - 1].CardText.isEmpty())
            throw QlError(CannotPlaceCard);
    for (int s = lowest; s < slot; ++s)
        m_slots[s - 1].CardText = Reserved;
    m_slots[slot - 1].CardText = text;
    m_modified = true;
}

void TQlsDoc::SetEnclosure(int kind)
{
    EnclosureSlotCount(kind); // rejects kinds outside 0..5
    if (kind == m_enclosureKind)
        return;
    m_enclosureKind = kind;
    if (kind <= 3)
        m_slotGeometry = KindGeometry(kind);
    m_modified = true;
}

const TSlotPlace &TQlsDoc::SlotGeometry(int slot) const
{
    return m_slotGeometry[checkedSlot(slot) - 1];
}

bool TQlsDoc::InGroup(int slot, int group) const
{
    const std::uint32_t mask = slotAt(slot).GroupMask;
    return isGroup(group) && group != 0 && (mask & groupBit(group)) != 0;
}

void TQlsDoc::SetGroupMember(int slot, int group, bool on)
{
    if (!isGroup(group))
        throw QlError(QStringLiteral("Group %1 does not exist").arg(group));
    Slot &own = slotAt(slot);
    const std::uint32_t bit = groupBit(group);
    if (((own.GroupMask & bit) != 0) == on)
        return;
    if (on)
        own.GroupMask |= bit;
    else
        own.GroupMask &= ~bit;
    m_modified = true;
}

void TQlsDoc::ClearSlotGroups(int slot)
{
    slotAt(slot).GroupMask = 0;
}

QString TQlsDoc::GroupList(int group) const
{
    QString text;
    for (int s = 1; s <= SlotCount; ++s)
        if (InGroup(s, group))
            text += QStringLiteral("C%1").arg(s);
    if (!text.isEmpty())
        text += QStringLiteral("G%1").arg(group);
    return text;
}

bool TQlsDoc::ApplyGroupList(const QString &text)
{
    static const QString none = QStringLiteral("NONE G");
    if (text.startsWith(none)) {
        if (text.size() <= none.size() || !isDigit(text[none.size()]))
            return false;
        const int group = text[none.size()].digitValue();
        for (int s = 1; s <= SlotCount; ++s)
            SetGroupMember(s, group, false);
        return true;
    }

    const qsizetype g = text.lastIndexOf(u'G');
    if (g < 0 || g + 1 >= text.size() || !isDigit(text[g + 1]))
        return false;
    const int group = text[g + 1].digitValue();

    QList<int> members;
    for (qsizetype c = text.indexOf(u'C'); c >= 0; c = text.indexOf(u'C', c + 1)) {
        if (c + 1 >= text.size() || !isDigit(text[c + 1]))
            return false;
        const bool twoDigits = c + 2 < text.size() && isDigit(text[c + 2]);
        const int slot = decimal(QStringView(text).mid(c + 1, twoDigits ? 2 : 1));
        if (slot < 1 || slot > SlotCount)
            return false;
        members.append(slot);
    }
    for (int slot : members)
        SetGroupMember(slot, group, true);
    return true;
}

bool TQlsDoc::ApplyGroupTokens(const QString &line)
{
    if (line.isEmpty())
        return true;
    QStringList tokens = line.split(u',');
    if (line.endsWith(u','))
        tokens.removeLast();

    int group = 0;
    bool slotKind = false;
    for (const QString &token : std::as_const(tokens)) {
        if (token.isEmpty() || token.size() >= 4)
            return false;
        QStringView number(token);
        if (token[0] == u'G' || token[0] == u'C') {
            slotKind = token[0] == u'C';
            number = number.mid(1);
        }
        const int value = decimal(number);
        if (value < 0)
            return false;
        if (!slotKind) {
            if (isGroup(value))
                group = value;
        } else if (value >= 1 && value <= SlotCount) {
            SetGroupMember(value, group, true);
        }
    }
    return true;
}

QString TQlsDoc::DocumentTitle() const
{
    return QFileInfo(m_infoFields[FILENAME]).completeBaseName();
}
