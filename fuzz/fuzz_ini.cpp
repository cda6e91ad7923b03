// The INI dialect of Config.ini and the .spt files. Any bytes read; what is
// written reads back the same; a key written is read back as written.
#include "FuzzSupport.h"

#include "common/IniFile.h"

#include <QStringList>

#include <QRegularExpression>

namespace {

// Names a written line keeps as they are: no blanks at either end, no line
// end, no "=", nothing that makes the line a section or a comment, and
// nothing that was no GBK in the file.
bool plainName(const QString& name) {
    static const QRegularExpression plain(QStringLiteral("^[^\\s\\[\\];=]([^\\r\\n\\]=]*[^\\s\\]=])?$"));
    return plain.match(name).hasMatch() && !name.contains(QChar::ReplacementCharacter);
}

// A byte that is no GBK reads as U+FFFD and is written as "?", as every
// character GBK cannot hold.
QString asWritten(QString text) {
    return text.replace(QChar::ReplacementCharacter, QLatin1Char('?'));
}

// The first 64 keys, section by section; each section name once (a later
// section of the same name is never read).
std::vector<std::pair<QString, QString>> someKeys(const IniFile& ini) {
    std::vector<std::pair<QString, QString>> keys;
    QStringList seen;
    for (const QString& section : ini.sectionNames()) {
        if (seen.contains(section, Qt::CaseInsensitive)) continue;
        seen << section;
        for (const QString& key : ini.keyNames(section)) {
            if (keys.size() == 64) return keys;
            keys.emplace_back(section, key);
        }
    }
    return keys;
}

void expectSameReading(const IniFile& a, const IniFile& b) {
    FUZZ_CHECK(asWritten(a.sectionNames().join('\n')) == b.sectionNames().join('\n'),
               QStringLiteral("sections differ after writing"));
    for (const auto& [section, key] : someKeys(a))
        FUZZ_CHECK(asWritten(a.readString(section, key, "?")) == b.readString(asWritten(section), asWritten(key), "?"),
                   QStringLiteral("[%1] %2 reads differently after writing").arg(section, key));
}

void expectWrittenBack(IniFile& ini, const QString& section, const QString& key, const QString& value) {
    ini.writeString(section, key, value);
    FUZZ_CHECK(ini.readString(section, key, "?") == value,
               QStringLiteral("[%1] %2 does not read back").arg(section, key));
    const IniFile saved = IniFile::fromBytes(ini.toBytes());
    FUZZ_CHECK(saved.readString(section, key, "?") == value,
               QStringLiteral("[%1] %2 lost in the file").arg(section, key));
}

} // namespace

// The input is the file; the keys written are its first eight (of those whose
// names can be written back as they are) and a new one in a new section.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    IniFile ini = IniFile::fromBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const auto keys = someKeys(ini);
    for (const auto& [section, key] : keys) {
        FUZZ_CHECK(ini.hasKey(section, key), QStringLiteral("listed key [%1] %2 not found").arg(section, key));
        FUZZ_CHECK(ini.readString(section, key, {}).size() <= IniFile::kMaxValueLength,
                   QStringLiteral("value too long"));
        ini.readInteger(section, key, 0);
    }

    const QByteArray written = ini.toBytes();
    const IniFile reread = IniFile::fromBytes(written);
    expectSameReading(ini, reread);
    FUZZ_CHECK(reread.toBytes() == written, QStringLiteral("writing is not stable"));

    int n = 0;
    for (const auto& [section, key] : keys)
        if (n < 8 && plainName(section) && plainName(key))
            expectWrittenBack(ini, section, key, QStringLiteral("value %1").arg(++n));
    expectWrittenBack(ini, QStringLiteral("Fuzz Section"), QStringLiteral("Added Key"), QStringLiteral("0x1F"));
    return 0;
}
