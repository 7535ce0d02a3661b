#include "unit/GroupMemory.h"

#include <QRegularExpression>

namespace {

const QByteArray ClearAll = QByteArrayLiteral("[CLRG*]");

// Slots 1 to 20, each once or more, then one group digit. Relay and I/O writes
// such as [WRRL1XXXXXC5] or [WRIO0000G3] start alike and must not match.
const QRegularExpression &WriteForm()
{
    static const QRegularExpression form(QStringLiteral(R"(^\[WR((?:C(?:[1-9]|1\d|20))+G([1-9]))\]$)"));
    return form;
}

const QRegularExpression &ReadForm()
{
    static const QRegularExpression form(QStringLiteral(R"(^\[RDG([0-9])\]$)"));
    return form;
}

} // namespace

bool GroupMemory::Handles(const QByteArray &command)
{
    const QString text = QString::fromLatin1(command);
    return command == ClearAll || WriteForm().match(text).hasMatch() || ReadForm().match(text).hasMatch();
}

QByteArray GroupMemory::Serve(const QByteArray &command)
{
    const QString text = QString::fromLatin1(command);
    if (command == ClearAll) {
        for (int slot = 1; slot <= TQlsDoc::SlotCount; ++slot)
            m_groups.ClearSlotGroups(slot);
    } else if (const QRegularExpressionMatch write = WriteForm().match(text); write.hasMatch()) {
        m_groups.ApplyGroupList(QStringLiteral("NONE G") + write.captured(2));
        m_groups.ApplyGroupList(write.captured(1));
    } else if (const QRegularExpressionMatch read = ReadForm().match(text); read.hasMatch()) {
        const int group = read.captured(1).toInt();
        QString list = m_groups.GroupList(group);
        if (list.isEmpty())
            list = QStringLiteral("NONE G%1").arg(group);
        return QStringLiteral("%1U%2\r\n").arg(list).arg(m_unitId).toLatin1();
    }
    return {};
}
