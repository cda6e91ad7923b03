#include "common/Language.h"
#include "common/RegStore.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

// The locale rule: a Chinese locale, C or POSIX gives Chinese, any other English.
TEST(Language, LocaleRule) {
    // Worked by hand from the editor's language rule: language "zh" (before "_"), "C", "POSIX" or
    // none give Chinese.
    const struct {
        const char* locale;
        Language expected;
    } rows[] = {
        {"zh_CN.UTF-8", Language::Chinese},
        {"zh_TW", Language::Chinese},
        {"zh", Language::Chinese},
        {"C", Language::Chinese},
        {"C.UTF-8", Language::Chinese},
        {"POSIX", Language::Chinese},
        {"", Language::Chinese},
        {"en_US.UTF-8", Language::English},
        {"de_DE@euro", Language::English},
        {"cs_CZ", Language::English}, // "cs" is no Chinese, though it starts with "c"
    };
    for (const auto& r : rows) EXPECT_EQ(languageForLocale(QString::fromLatin1(r.locale)), r.expected) << r.locale;
}

TEST(Language, LangOptionTakenFromAnywhereInTheArguments) {
    // Worked by hand from the option's rule: "--lang X" or "--lang=X" anywhere, X zh or en.
    const struct {
        QStringList in;
        std::optional<QString> value;
        QStringList left;
    } rows[] = {
        {{"send", "--lang", "en", "x.spt"}, QStringLiteral("en"), {"send", "x.spt"}},
        {{"query", "--lang=zh"}, QStringLiteral("zh"), {"query"}},
        {{"query"}, QString(), {"query"}},
        {{"query", "--lang"}, std::nullopt, {}},       // no value
        {{"query", "--lang", "fr"}, std::nullopt, {}}, // not zh/en
    };
    for (const auto& r : rows) {
        QStringList args = r.in;
        EXPECT_EQ(takeLanguageOption(args), r.value) << r.in.join(' ').toStdString();
        if (r.value) {
            EXPECT_EQ(args, r.left);
        }
    }
}

// --lang beats the stored choice, which beats the locale.
TEST(Language, OptionThenStoreThenLocale) {
    ScopedStore store;
    const QByteArray before = qgetenv("LC_ALL");
    qputenv("LC_ALL", "en_US.UTF-8");
    EXPECT_EQ(chooseLanguage(QString(), store), Language::English);
    ASSERT_EQ(storeLanguage(store, Language::Chinese), QString());
    EXPECT_EQ(store.read(QStringLiteral("Language"), QString()), QStringLiteral("zh"));
    EXPECT_EQ(chooseLanguage(QString(), store), Language::Chinese);
    EXPECT_EQ(chooseLanguage(QStringLiteral("en"), store), Language::English);
    before.isNull() ? qunsetenv("LC_ALL") : qputenv("LC_ALL", before);
}
