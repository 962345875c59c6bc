#include "PhoneSetting.h"

#include <QSettings>

namespace sumire {
namespace {

const QString kPhoneKey = QStringLiteral("Startup/Phone");


}  // namespace

std::optional<QString> readPhoneSetting() {
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Sumire"), QStringLiteral("Sumire"));
    store.sync();  // pick up what another process wrote meanwhile
    if (!store.contains(kPhoneKey)) return std::nullopt;
    return store.value(kPhoneKey).toString();
}

void writePhoneSetting(const QString& value) {
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Sumire"), QStringLiteral("Sumire"));
    store.setValue(kPhoneKey, value);
    store.sync();
}

}  // namespace sumire
