#pragma once
// The file "Code-16": the 16-dot standard glyph payload, byte for byte,
// rewritten whenever that set is built. It lives in the program's folder; a
// program installed in a system folder (/usr/bin: nothing of ours may be left
// there, even when run as root) or in a folder it cannot write keeps it in the
// user's data folder (~/.local/share/daviduv on Linux) instead.
#include <QByteArray>
#include <QString>

inline constexpr char kCode16Name[] = "Code-16";

// True for /usr, /bin, /sbin, /opt and every folder under them.
bool isSystemFolder(const QString& folder);
// programFolder when it is writable and no system folder, else userDataFolder.
QString chooseCode16Folder(const QString& programFolder, bool programFolderWritable, const QString& userDataFolder);
// The choice above for this program and this user.
QString code16Folder();
// Writes bytes to path through writeFileAtomically, making its folder when
// missing; throws GlyphRefused with the file error (the old file stays).
void writePayloadFile(const QString& path, const QByteArray& payload);
// Writes the payload to folder/Code-16 in one checked atomic write (the old
// file stays as it was when anything fails). Returns the path; throws
// GlyphRefused with the file error.
QString writeCode16(const QByteArray& payload, const QString& folder = code16Folder());
