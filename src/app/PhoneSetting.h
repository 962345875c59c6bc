#pragma once
// The one stored setting: the handset model, as text, in the per-user INI
// settings of the application "Sumire", group "Startup", key "Phone"
// (XDG_CONFIG_HOME moves it).

#include <QString>
#include <optional>

namespace sumire {

// The stored value as the store holds it now; nothing when there is none.
std::optional<QString> readPhoneSetting();
void writePhoneSetting(const QString& value);

}  // namespace sumire
