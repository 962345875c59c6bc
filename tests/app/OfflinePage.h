#pragma once
// Script lines that show a page in offline mode: switch modes, type the page
// into the page text box, press the go button.

#include <QString>
#include <QStringList>

namespace sumire::apptest {

inline QStringList showOffline(const QString& page) {
    QString escaped = page;
    escaped.replace("\\", "\\\\").replace("\r", "\\r").replace("\n", "\\n");
    return {"click Menu003", "set Text2 " + escaped, "click Command1"};
}

}  // namespace sumire::apptest
