#pragma once
// The interface language. Chinese is the text as written in the sources (the
// source text of every tr()); English comes from translations/daviduv_en.ts,
// compiled and embedded at build time. Texts the printer or a file sees never
// change with the language.
//
// The choice, first that applies: --lang zh|en; the value "Language" ("zh" or
// "en") in the per-user store, set by 设置/语言; the system locale (a Chinese
// locale, C or POSIX gives Chinese, any other English).
#include "common/RegStore.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

enum class Language { Chinese, English };

// "zh" and "en" (any case, blanks around ignored); anything else nothing.
std::optional<Language> languageFromName(const QString& name);
QString languageName(Language language); // "zh" or "en"

// The locale rule on a POSIX locale name ("zh_CN.UTF-8", "C", "en_US").
Language languageForLocale(const QString& localeName);
// The locale messages are shown in: LC_ALL, else LC_MESSAGES, else LANG; "C" when none is set.
QString systemLocaleName();

// The stored choice, nothing when none or not "zh"/"en".
std::optional<Language> storedLanguage(const RegStore& store);
// Stores the choice for the next start; empty on success, else why it could not be written.
QString storeLanguage(const RegStore& store, Language language);

// The editor's option --lang zh|en for its QCommandLineParser; the value is
// read with languageOptionValue ("" when absent, nothing when not zh/en).
QCommandLineOption languageOption();
std::optional<QString> languageOptionValue(const QCommandLineParser& parser);

// Takes "--lang X" or "--lang=X" out of the arguments: X (empty when absent),
// nothing when X is missing or not zh/en.
std::optional<QString> takeLanguageOption(QStringList& arguments);

// --lang (empty when not given; a value that is not zh/en is the caller's usage error), then the store, then the
// locale.
Language chooseLanguage(const QString& option, const RegStore& store);

// Installs the language's translators (ours for English and, with qtTexts,
// Qt's own texts for both) into the running application, in place of those a
// call before installed. False when our English file is missing.
bool installLanguage(Language language, bool qtTexts = true);
// What installLanguage installed; Chinese before it runs.
Language currentLanguage();
