#include "ViewSession.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace sumire {
namespace {

QJsonObject entryJson(const HistoryEntry& e) {
    return {{"network", e.network}, {"address", e.address}, {"source", e.source}};
}

HistoryEntry entryFrom(const QJsonObject& o) {
    return {o["network"].toBool(true), o["address"].toString(), o["source"].toString()};
}

void moveAddress(QString& address, const QString& from, const QString& to) {
    if (address.startsWith(from + u'/')) address = to + address.mid(from.size());
}

}  // namespace

void ViewSession::moveDemo(const QString& newAddress) {
    moveAddress(address, demoAddress, newAddress);
    for (HistoryEntry& e : history)
        if (e.network) moveAddress(e.address, demoAddress, newAddress);
    demoAddress = newAddress;
}

bool writeViewSession(const ViewSession& s, const QString& path) {
    QJsonArray history;
    for (const HistoryEntry& e : s.history) history.append(entryJson(e));
    const QJsonObject o{{"network", s.network},       {"address", s.address},        {"source", s.source},
                        {"browser", s.browserFolder}, {"lineChars", s.lineChars},    {"scrollTop", s.scrollTop},
                        {"history", history},         {"current", s.historyCurrent}, {"demo", s.demoAddress}};
    QSaveFile file(path);
    const QByteArray bytes = QJsonDocument(o).toJson(QJsonDocument::Compact);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

std::optional<ViewSession> readViewSession(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll());
    if (!doc.isObject()) return std::nullopt;
    const QJsonObject o = doc.object();
    ViewSession s;
    s.network = o["network"].toBool(true);
    s.address = o["address"].toString();
    s.source = o["source"].toString();
    s.browserFolder = o["browser"].toString();
    s.lineChars = o["lineChars"].toInt(20);
    s.scrollTop = o["scrollTop"].toInt();
    for (const QJsonValue& v : o["history"].toArray()) s.history.push_back(entryFrom(v.toObject()));
    s.historyCurrent = o["current"].toInt(-1);
    s.demoAddress = o["demo"].toString();
    return s;
}

}  // namespace sumire
