#include "store/PhoneSetting.h"

#include <QSettings>

namespace sumire {
namespace {

const QString kPhoneKey = QStringLiteral("Startup/Phone");
const QString kLanguageKey = QStringLiteral("Startup/Language");

std::optional<QString> readSetting(const QString& key) {
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Sumire"), QStringLiteral("Sumire"));
    store.sync();  // pick up what another process wrote meanwhile
    if (!store.contains(key)) return std::nullopt;
    return store.value(key).toString();
}

void writeSetting(const QString& key, const QString& value) {
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Sumire"), QStringLiteral("Sumire"));
    store.setValue(key, value);
    store.sync();
}

}  // namespace

std::optional<QString> readPhoneSetting() { return readSetting(kPhoneKey); }

void writePhoneSetting(const QString& value) { writeSetting(kPhoneKey, value); }

std::optional<QString> readLanguageSetting() { return readSetting(kLanguageKey); }

void writeLanguageSetting(const QString& value) {
    if (!value.isEmpty()) return writeSetting(kLanguageKey, value);
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Sumire"), QStringLiteral("Sumire"));
    store.remove(kLanguageKey);
    store.sync();
}

}  // namespace sumire
