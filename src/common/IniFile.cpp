#include "common/IniFile.h"

#include "common/AtomicWrite.h"
#include "common/Gbk.h"
#include "common/NumberText.h"
#include "common/RegularFile.h"

#include <QFile>

namespace {

// Names are looked up by their case-folded form, so "Main" and "MAIN" meet.
QString folded(const QString& name) {
    return name.toCaseFolded();
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
            ini.addSection(t.mid(1, t.indexOf(QChar(']')) - 1).trimmed());
            continue;
        }
        Line line{raw, {}, {}};
        const qsizetype eq = raw.indexOf(QChar('='));
        if (eq > 0 && !t.startsWith(QChar(';'))) {
            line.key = raw.left(eq).trimmed();
            line.value = raw.mid(eq + 1);
        }
        if (ini.sections_.empty()) ini.preamble_.push_back(line);
        else addLine(ini.sections_.back(), static_cast<qsizetype>(ini.sections_.back().lines.size()), line);
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

IniFile::Section& IniFile::addSection(const QString& name) {
    const QString key = folded(name);
    if (!sectionIndex_.contains(key)) sectionIndex_.insert(key, static_cast<qsizetype>(sections_.size()));
    return sections_.emplace_back(Section{name, {}, {}});
}

// Puts a line at position at of the section. Only blank lines ever follow
// that position, so the positions of the keys already indexed stay right.
void IniFile::addLine(Section& section, qsizetype at, const Line& line) {
    const QString key = folded(line.key);
    if (!line.key.isEmpty() && !section.keys.contains(key)) section.keys.insert(key, at);
    section.lines.insert(section.lines.begin() + at, line);
}

const IniFile::Section* IniFile::findSection(const QString& name) const {
    const auto it = sectionIndex_.constFind(folded(name));
    return it == sectionIndex_.cend() ? nullptr : &sections_[static_cast<size_t>(*it)];
}

IniFile::Section* IniFile::findSection(const QString& name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

const IniFile::Line* IniFile::findKey(const QString& section, const QString& key) const {
    const Section* s = findSection(section);
    if (!s) return nullptr;
    const auto it = s->keys.constFind(folded(key));
    return it == s->keys.cend() ? nullptr : &s->lines[static_cast<size_t>(*it)];
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
    return l ? readIntOr(trimmedValue(l->value), fallback) : fallback;
}

bool IniFile::readBool(const QString& section, const QString& key, bool fallback) const {
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    Section* s = findSection(section);
    if (!s) s = &addSection(section);
    const Line line{key + QChar('=') + value, key, value};
    const auto it = s->keys.constFind(folded(key));
    if (it != s->keys.cend()) {
        s->lines[static_cast<size_t>(*it)] = line;
        return;
    }
    // After the section's last non-blank line, so trailing blank lines stay below it.
    auto at = static_cast<qsizetype>(s->lines.size());
    while (at > 0 && s->lines[static_cast<size_t>(at - 1)].raw.trimmed().isEmpty()) --at;
    addLine(*s, at, line);
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
