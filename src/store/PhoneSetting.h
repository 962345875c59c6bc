#pragma once
// The stored settings, in the per-user INI settings of the application
// "Sumire" (XDG_CONFIG_HOME moves them): the handset model, as text, in group
// "Startup", key "Phone"; beside it, key "Language", the language last given
// with --lang ("ja" or "en").

#include <QString>
#include <optional>

namespace sumire {

// The stored value as the store holds it now; nothing when there is none.
std::optional<QString> readPhoneSetting();
void writePhoneSetting(const QString& value);

std::optional<QString> readLanguageSetting();
void writeLanguageSetting(const QString& value);  // the empty text removes it

}  // namespace sumire
