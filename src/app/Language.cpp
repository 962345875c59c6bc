#include "Language.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>
#include <memory>

namespace sumire {
namespace {

Language current = Language::Japanese;

std::unique_ptr<QTranslator>& installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

bool isPlainLocale(const QString& locale) {
    const QString name = locale.section(u'.', 0, 0).section(u'@', 0, 0);
    return name.isEmpty() || name == u"C" || name == u"POSIX";
}

// "ja_JP.UTF-8", "ja" and "en_GB" have a language of ours; "fr_FR" has not.
std::optional<Language> ourLanguage(const QString& entry) {
    return languageNamed(entry.section(u'.', 0, 0).section(u'@', 0, 0).section(u'_', 0, 0));
}

}  // namespace

std::optional<Language> languageNamed(const QString& name) {
    if (name == u"ja") return Language::Japanese;
    if (name == u"en") return Language::English;
    return std::nullopt;
}

QString languageName(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ja");
}

Language languageOfEnvironment(const EnvironmentLookup& lookup) {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = lookup(name);
        if (!locale.isEmpty()) break;
    }
    if (isPlainLocale(locale)) return Language::Japanese;
    for (const QString& entry : lookup("LANGUAGE").split(u':', Qt::SkipEmptyParts)) {
        if (const auto language = ourLanguage(entry)) return *language;
    }
    return ourLanguage(locale).value_or(Language::English);
}

Language languageOfEnvironment() {
    return languageOfEnvironment([](const char* name) { return qEnvironmentVariable(name); });
}

Language chooseLanguage(std::optional<Language> commandLine, std::optional<Language> stored, Language desktop) {
    if (commandLine) return *commandLine;
    return stored.value_or(desktop);
}

bool useLanguage(Language language) {
    std::unique_ptr<QTranslator>& translator = installed();
    if (translator) QCoreApplication::removeTranslator(translator.get());
    translator.reset();
    current = Language::Japanese;
    if (language == Language::Japanese) return true;
    auto loaded = std::make_unique<QTranslator>();
    if (!loaded->load(QStringLiteral(":/i18n/sumire_%1.qm").arg(languageName(language)))) return false;
    QCoreApplication::installTranslator(loaded.get());
    translator = std::move(loaded);
    current = language;
    return true;
}

QString guideFileName() {
    return current == Language::English ? QStringLiteral("readme-en.txt") : QStringLiteral("readme.txt");
}

}  // namespace sumire
