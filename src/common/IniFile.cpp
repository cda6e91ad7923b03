#include "common/IniFile.h"

#include "common/AtomicWrite.h"
#include "common/Gbk.h"
#include "common/RegularFile.h"
#include "common/SharedRoutines.h"

#include <QFile>

namespace {

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString trimmedValue(const QString& raw) {
    QString v = raw.trimmed();
    if (v.size() >= 2 && (v.front() == QChar('"') || v.front() == QChar('\'')) && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v.left(IniFile::kMaxValueLength);
}

} // namespace

IniFile IniFile::fromBytes(const QByteArray& gbkBytes) {
    IniFile ini;
    const QString text = gbk::decode(gbkBytes);
    const QStringList lines = text.split(QChar('\n'));
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QString raw = lines[n];
        if (raw.endsWith(QChar('\r'))) raw.chop(1);
        if (n == lines.size() - 1 && raw.isEmpty()) break; // text after the last line end
        const QString t = raw.trimmed();
        if (t.startsWith(QChar('[')) && t.contains(QChar(']'))) {
            ini.sections_.push_back({t.mid(1, t.indexOf(QChar(']')) - 1).trimmed(), {}});
            continue;
        }
        Line line{raw, {}, {}};
        const qsizetype eq = raw.indexOf(QChar('='));
        if (eq > 0 && !t.startsWith(QChar(';'))) {
            line.key = raw.left(eq).trimmed();
            line.value = raw.mid(eq + 1);
        }
        (ini.sections_.empty() ? ini.preamble_ : ini.sections_.back().lines).push_back(line);
    }
    return ini;
}

IniFile IniFile::load(const QString& path) {
    QFile file;
    if (!openRegularFile(file, path) || file.size() > kMaxFileBytes) return {};
    return fromBytes(file.readAll());
}

QByteArray IniFile::toBytes() const {
    QString text;
    for (const Line& l : preamble_) text += l.raw + QStringLiteral("\r\n");
    for (const Section& s : sections_) {
        text += QChar('[') + s.name + QStringLiteral("]\r\n");
        for (const Line& l : s.lines) text += l.raw + QStringLiteral("\r\n");
    }
    return gbk::encode(text);
}

QString IniFile::save(const QString& path) const {
    return writeFileAtomically(path, toBytes());
}

const IniFile::Section* IniFile::findSection(const QString& name) const {
    for (const Section& s : sections_)
        if (sameName(s.name, name)) return &s;
    return nullptr;
}

IniFile::Section* IniFile::findSection(const QString& name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

const IniFile::Line* IniFile::findKey(const QString& section, const QString& key) const {
    const Section* s = findSection(section);
    if (!s) return nullptr;
    for (const Line& l : s->lines)
        if (!l.key.isEmpty() && sameName(l.key, key)) return &l;
    return nullptr;
}

bool IniFile::hasSection(const QString& section) const {
    return findSection(section) != nullptr;
}

bool IniFile::hasKey(const QString& section, const QString& key) const {
    return findKey(section, key) != nullptr;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& fallback) const {
    const Line* l = findKey(section, key);
    return l ? trimmedValue(l->value) : fallback;
}

int IniFile::readInteger(const QString& section, const QString& key, int fallback) const {
    const Line* l = findKey(section, key);
    return l ? strToIntDef(trimmedValue(l->value), fallback) : fallback;
}

bool IniFile::readBool(const QString& section, const QString& key, bool fallback) const {
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    Section* s = findSection(section);
    if (!s) {
        sections_.push_back({section, {}});
        s = &sections_.back();
    }
    const Line line{key + QChar('=') + value, key, value};
    for (Line& l : s->lines) {
        if (!l.key.isEmpty() && sameName(l.key, key)) {
            l = line;
            return;
        }
    }
    // After the section's last non-blank line, so trailing blank lines stay below it.
    auto at = s->lines.end();
    while (at != s->lines.begin() && (at - 1)->raw.trimmed().isEmpty()) --at;
    s->lines.insert(at, line);
}

void IniFile::writeInteger(const QString& section, const QString& key, qint64 value) {
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value) {
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QStringList IniFile::sectionNames() const {
    QStringList names;
    for (const Section& s : sections_) names << s.name;
    return names;
}

QStringList IniFile::keyNames(const QString& section) const {
    QStringList names;
    if (const Section* s = findSection(section))
        for (const Line& l : s->lines)
            if (!l.key.isEmpty()) names << l.key;
    return names;
}
