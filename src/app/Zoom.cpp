#include "Zoom.h"

#include <QGuiApplication>
#include <QSettings>
#include <iterator>

namespace sumire {
namespace {

const QString kZoomKey = QStringLiteral("View/Zoom");
constexpr const char* kScaleVariables[] = {"QT_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING", "QT_SCREEN_SCALE_FACTORS"};
constexpr int kVariables = int(std::size(kScaleVariables));

QSettings store() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Sumire"), QStringLiteral("Sumire"));
}

// The values the program was started with; null where unset.
std::optional<QByteArray>& found(int i) {
    static std::optional<QByteArray> values[kVariables];
    return values[i];
}
bool changed = false;

}  // namespace

std::optional<int> readZoomSetting() {
    QSettings s = store();
    bool ok = false;
    const int zoom = s.value(kZoomKey).toInt(&ok);
    if (!ok || zoom < kMinZoom || zoom > kMaxZoom) return std::nullopt;
    return zoom;
}

void writeZoomSetting(int zoom) {
    QSettings s = store();
    if (zoom == 0) s.remove(kZoomKey);
    else s.setValue(kZoomKey, zoom);
    s.sync();
}

void applyZoomBeforeStart(int zoom) {
    if (zoom < kMinZoom || zoom > kMaxZoom) {
        // A desktop at 1.5 draws at 2: pixels stay whole.
        QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
        return;
    }
    for (int i = 0; i < kVariables; ++i)
        if (qEnvironmentVariableIsSet(kScaleVariables[i])) found(i) = qgetenv(kScaleVariables[i]);
    changed = true;
    // The desktop's own factors are left out, so that N means N.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(zoom));
}

void restoreScaleEnvironment() {
    if (!changed) return;
    for (int i = 0; i < kVariables; ++i) {
        if (found(i)) qputenv(kScaleVariables[i], *found(i));
        else qunsetenv(kScaleVariables[i]);
    }
}

}  // namespace sumire
