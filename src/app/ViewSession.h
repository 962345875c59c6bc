#pragma once
// What the window shows, kept in a file while the window is rebuilt at
// another zoom: the page (its mode, address and offline text), the display
// width, the scroll position and the history.

#include "store/PageHistory.h"

#include <QString>
#include <deque>
#include <optional>

namespace sumire {

struct ViewSession {
    bool network = true;
    QString address;        // Text1
    QString source;         // Text2 of an offline page
    QString browserFolder;  // where an offline page's pictures are taken from
    int lineChars = 20;
    int scrollTop = 0;
    std::deque<HistoryEntry> history;
    int historyCurrent = -1;
    QString demoAddress;  // "http://127.0.0.1:PORT" of the demo's server, when it ran

    // The demo's pages at the address of a new demo server.
    void moveDemo(const QString& newAddress);
};

// Written as JSON; false when the file could not be written.
bool writeViewSession(const ViewSession& session, const QString& path);
// Nothing when the file cannot be read or is not a session.
std::optional<ViewSession> readViewSession(const QString& path);

}  // namespace sumire
