#pragma once
// The language of the windows: Japanese, the texts as the windows were
// designed, or English, from translations/sumire_en.ts compiled into the
// program. The choice is made once, before the first window is created.

#include <QString>
#include <functional>
#include <optional>

namespace sumire {

enum class Language { Japanese, English };

// "ja" or "en"; nothing for any other name.
std::optional<Language> languageNamed(const QString& name);
QString languageName(Language language);

// The desktop's language as gettext reads it: LC_ALL, else LC_MESSAGES, else
// LANG names the locale; none, C or POSIX means Japanese, and then LANGUAGE
// is not read. Otherwise the first of LANGUAGE's list, or the locale, that is
// Japanese or English decides; any other language is shown in English.
using EnvironmentLookup = std::function<QString(const char* name)>;
Language languageOfEnvironment(const EnvironmentLookup& lookup);
Language languageOfEnvironment();  // this process's environment

// The language to show: the command line's, else the stored one, else the
// desktop's.
Language chooseLanguage(std::optional<Language> commandLine, std::optional<Language> stored, Language desktop);

// Loads the language's translation into the application (none for
// Japanese); false when the translation cannot be loaded.
bool useLanguage(Language language);

// The user's guide in the language in force.
QString guideFileName();

}  // namespace sumire
