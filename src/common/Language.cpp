#include "common/Language.h"

#include "common/RegStore.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
const QString kStoreValue = QStringLiteral("Language");
Language installed = Language::Chinese;
} // namespace

std::optional<Language> languageFromName(const QString& name) {
    const QString word = name.trimmed().toLower();
    if (word == QLatin1String("zh")) return Language::Chinese;
    if (word == QLatin1String("en")) return Language::English;
    return std::nullopt;
}

QString languageName(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
}

QCommandLineOption languageOption() {
    return {QStringLiteral("lang"),
            QStringLiteral("The interface language: zh (Chinese) or en (English). Default: the choice saved in "
                           "Settings > Language, else the locale (Chinese for zh_* and C)."),
            QStringLiteral("zh|en")};
}

std::optional<QString> languageOptionValue(const QCommandLineParser& parser) {
    const QString value = parser.value(QStringLiteral("lang"));
    if (!value.isEmpty() && !languageFromName(value)) return std::nullopt;
    return value;
}

std::optional<QString> takeLanguageOption(QStringList& arguments) {
    QString value;
    for (qsizetype i = 0; i < arguments.size();) {
        const QString& word = arguments.at(i);
        if (word == QLatin1String("--lang")) {
            if (i + 1 >= arguments.size()) return std::nullopt;
            value = arguments.at(i + 1);
            arguments.remove(i, 2);
        } else if (word.startsWith(QLatin1String("--lang="))) {
            value = word.mid(7);
            arguments.remove(i);
        } else {
            ++i;
        }
    }
    if (!value.isEmpty() && !languageFromName(value)) return std::nullopt;
    return value;
}

Language languageForLocale(const QString& localeName) {
    // "zh_CN.UTF-8@variant": the language is what comes before '_', '.' or '@'.
    const QString language = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (language.isEmpty() || language == QLatin1String("C") || language == QLatin1String("POSIX") ||
        language.section(QLatin1Char('_'), 0, 0).compare(QLatin1String("zh"), Qt::CaseInsensitive) == 0)
        return Language::Chinese;
    return Language::English;
}

QString systemLocaleName() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty()) return value;
    }
    return QStringLiteral("C");
}

std::optional<Language> storedLanguage(const RegStore& store) {
    return languageFromName(store.read(kStoreValue, QString()));
}

QString storeLanguage(const RegStore& store, Language language) {
    return store.write(kStoreValue, languageName(language));
}

Language chooseLanguage(const QString& option, const RegStore& store) {
    if (const auto chosen = languageFromName(option)) return *chosen;
    if (const auto stored = storedLanguage(store)) return *stored;
    return languageForLocale(systemLocaleName());
}

bool installLanguage(Language language, bool withQtTexts) {
    static QTranslator qtTexts;
    static QTranslator ours;
    installed = language;
    QCoreApplication::removeTranslator(&qtTexts); // a second call replaces the first
    QCoreApplication::removeTranslator(&ours);
    // Qt's own dialog texts (file dialogs, message box buttons).
    const QString qtFile = language == Language::English ? QStringLiteral("qtbase_en") : QStringLiteral("qtbase_zh_CN");
    if (withQtTexts && qtTexts.load(qtFile, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
    if (language == Language::Chinese) return true;
    if (!ours.load(QStringLiteral(":/i18n/daviduv_en.qm"))) return false;
    QCoreApplication::installTranslator(&ours);
    return true;
}

Language currentLanguage() {
    return installed;
}
