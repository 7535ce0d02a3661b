#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>

// One slot's position in the enclosure picture and the widest card it takes.
struct TSlotPlace {
    int x = 0;
    int y = 0;
    int MaxWidth = 0;
    bool Rotated = false;

    bool operator==(const TSlotPlace &) const = default;
};

// The design being edited: enclosure, cards in 20 slots, group membership,
// customer information and controller program text. Errors are QlError.
class TQlsDoc
{
public:
    // Indexes of InfoField, in alphabetical order of their file keys.
    enum InfoIndex {
        ACCOUNT = 0,
        COMMENT = 1,
        COMPANY = 2,
        CONTACT = 3,
        EMAIL = 4,
        FAX = 5,
        FILENAME = 6,
        PHONE = 7,
        PROG = 8,
        SO = 9,
        TSR = 10,
    };
    static constexpr int InfoFieldCount = 11;
    static constexpr int SlotCount = 20;
    static constexpr int GroupCount = 32;
    static constexpr int EnclosureKindCount = 6;

    // Card text of a slot covered by a wider card whose own slot is higher.
    static const QString Reserved;
    // Message of a failed placement.
    static const QString CannotPlaceCard;

    using Geometry = std::array<TSlotPlace, SlotCount>;

    // Empty 20-slot design, not modified.
    TQlsDoc();

    // Reads a document file; throws QlError when it cannot be read.
    static std::unique_ptr<TQlsDoc> CreateFromFile(const QString &path);
    // Writes the design atomically; on success FILENAME := path and not Modified.
    void SaveToFile(const QString &path);

    // Slots are 1..20.
    QString CardText(int slot) const;
    std::uint32_t GroupMask(int slot) const;

    QString InfoField(int index) const;
    void SetInfoField(int index, const QString &text);
    // Stores the program editor's lines, each followed by CR LF.
    void SetProgramLines(const QStringList &lines);

    void ClearSlot(int slot);
    // Throws QlError(CannotPlaceCard) when the model does not fit. The model
    // the slot already holds only takes the new text, leaving Modified as it was.
    void PlaceCard(int slot, const QString &text);

    int EnclosureKind() const { return m_enclosureKind; }
    void SetEnclosure(int kind);
    const TSlotPlace &SlotGeometry(int slot) const;
    // Slots of an enclosure kind 0..5: 20, 19, 8, 4, 2, 1.
    static int EnclosureSlotCount(int kind);
    int SlotCountOfEnclosure() const { return EnclosureSlotCount(m_enclosureKind); }
    // The fixed slot table of kinds 0..3.
    static const Geometry &KindGeometry(int kind);

    // Groups are 0..32; group 0 has no members.
    bool InGroup(int slot, int group) const;
    void SetGroupMember(int slot, int group, bool on);
    // Empties the slot's group set without marking the document modified.
    void ClearSlotGroups(int slot);
    // "C3C4C12G2" for the members of a group; empty when it has none.
    QString GroupList(int group) const;
    // Adds the memberships named by a group list text ("C3C12G5", "NONE G3"
    // removes all of group 3). Returns false, changing nothing, when the
    // text is malformed.
    bool ApplyGroupList(const QString &text);
    // Applies a line of group tokens ("G2,C3,C4"); true when every token was one.
    bool ApplyGroupTokens(const QString &line);

    // File name of FILENAME without folder and extension.
    QString DocumentTitle() const;

    bool Modified() const { return m_modified; }
    bool Locked() const { return m_locked; }
    // Locking does not mark the document modified.
    void SetLocked(bool locked) { m_locked = locked; }

private:
    struct Slot {
        std::uint32_t GroupMask = 0;
        QString CardText;
    };

    static int checkedSlot(int slot);
    Slot &slotAt(int slot);
    const Slot &slotAt(int slot) const;

    std::array<Slot, SlotCount> m_slots;
    bool m_modified = false;
    std::array<QString, InfoFieldCount> m_infoFields;
    int m_enclosureKind = 0;
    Geometry m_slotGeometry;
    bool m_locked = false;
};
