#include "app/ProgramEditorText.h"

namespace ProgramEditorText {

QString FromProgram(const QString &programText)
{
    QString text = programText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

QStringList Lines(const QString &editorText)
{
    if (editorText.isEmpty())
        return {};
    return editorText.split(u'\n');
}

} // namespace ProgramEditorText
