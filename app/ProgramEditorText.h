#pragma once

#include <QString>
#include <QStringList>

// Conversions between the document's program text (lines each ended by
// CR LF) and the text of the program editor (lines separated by LF).
namespace ProgramEditorText {

// Editor text for a program text: CR LF, lone CR and LF become LF; one final
// line break is dropped so that it does not show as an extra empty line.
QString FromProgram(const QString &programText);

// The editor's lines; an empty editor has no lines.
QStringList Lines(const QString &editorText);

} // namespace ProgramEditorText
