#pragma once
// The private-profile INI dialect of Config.ini and the .spt files:
// GBK bytes, CR LF lines, "[section]" headers and "key=value" lines.
// Reading: names match without regard to case; a value is the text after the
// first "=", blanks trimmed, one enclosing pair of quotes removed, at most 2047
// characters; integers are decimal or hexadecimal ("0x", "$"); anything else,
// and every missing section or key, reads as the caller's default.
// Writing: an existing key is replaced where it stands, a new key goes to the
// end of its section, a new section to the end of the file.
#include <QByteArray>
#include <QString>
#include <vector>

class IniFile {
public:
    static constexpr int kMaxValueLength = 2047;
    static constexpr qint64 kMaxFileBytes = qint64(16) << 20;

    IniFile() = default;
    static IniFile fromBytes(const QByteArray& gbkBytes);
    // A missing or unreadable file gives an empty IniFile, and so does one that
    // is no regular file (a FIFO is never opened, so reading never blocks) or
    // is larger than kMaxFileBytes.
    static IniFile load(const QString& path);

    QByteArray toBytes() const;
    // Writes the whole file with writeFileAtomically: empty on success, else the
    // system's reason, path untouched.
    QString save(const QString& path) const;

    bool hasSection(const QString& section) const;
    bool hasKey(const QString& section, const QString& key) const;
    QString readString(const QString& section, const QString& key, const QString& fallback) const;
    int readInteger(const QString& section, const QString& key, int fallback) const;
    bool readBool(const QString& section, const QString& key, bool fallback) const;

    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, qint64 value);
    void writeBool(const QString& section, const QString& key, bool value);

    QStringList sectionNames() const;
    QStringList keyNames(const QString& section) const;

private:
    struct Line {
        QString raw;   // the line as read (without its end), or as written
        QString key;   // empty for lines that are not "key=value"
        QString value; // the text after the first "="
    };
    struct Section {
        QString name;
        std::vector<Line> lines;
    };

    const Section* findSection(const QString& name) const;
    Section* findSection(const QString& name);
    const Line* findKey(const QString& section, const QString& key) const;

    std::vector<Line> preamble_;
    std::vector<Section> sections_;
};
