#pragma once
// Values of a template replaced for one send, as a line integration gives
// them: "SECTION.KEY=VALUE" ("csStr0.UserValue=LOT-2412"). Only a key the file
// already has may be replaced, and only by a value the template reader keeps
// as it is: a whole number within its key's range (TemplateKeys.h), 0 or 1
// for a switch, a text GBK can hold of at most the reader's length.
#include <QString>
#include <QStringList>

class IniFile;

// Replaces the values in ini (the file's contents, read); empty on success,
// else why the first refused assignment is refused (ini is then unchanged).
QString replaceTemplateValues(IniFile& ini, const QStringList& assignments);
