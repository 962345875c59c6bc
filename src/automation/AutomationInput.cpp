// Script lines that press keys and drop pages on the main window. Keys go
// through the window system's path, so the window's shortcuts see them
// before the focused control does, as with a person's key presses; a drop
// is the drag's entry and its drop, delivered to the window.

#include "automation/Automation.h"

#include "app/Form1.h"
#include "page/Fetcher.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeySequence>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace sumire {
namespace {

// A key sequence in the form QKeySequence reads ("Alt+Left", "Ctrl+Shift+C");
// nothing when a part of it names no key.
std::optional<QKeySequence> readKeys(const QString& text) {
    const QKeySequence keys = QKeySequence::fromString(text, QKeySequence::PortableText);
    if (keys.isEmpty()) return std::nullopt;
    for (int i = 0; i < keys.count(); ++i)
        if (keys[i].key() == Qt::Key_unknown || keys[i].key() == 0) return std::nullopt;
    return keys;
}

// What a file manager or a browser puts on a drag: the file's or the
// address's URL, and an address also as text.
void fillDrag(QMimeData& data, const QString& page) {
    if (isNetworkAddress(page)) {
        data.setUrls({QUrl(page)});
        data.setText(page);
    } else {
        data.setUrls({QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath())});
    }
}

}  // namespace

std::optional<ScriptRunner::Failure> ScriptRunner::key(const QString& rest) {
    if (rest.trimmed().isEmpty()) return Failure{QStringLiteral("missing keys")};
    const std::optional<QKeySequence> keys = readKeys(rest.trimmed());
    if (!keys) return Failure{QStringLiteral("not a key sequence: %1").arg(rest)};
    if (!form_.isEnabled() || !form_.isVisible() || !form_.windowHandle()) return std::nullopt;
    // A person types into the window they are looking at: it is the active
    // one, which the window's shortcuts need. Should the window system not
    // make it active, the keys still go to the focused control.
    if (!form_.isActiveWindow()) {
        form_.activateWindow();
        (void)QTest::qWaitForWindowActive(form_.windowHandle(), 2000);
    }
    QTest::keySequence(form_.windowHandle(), *keys);
    return std::nullopt;
}

std::optional<ScriptRunner::Failure> ScriptRunner::drop(const QString& rest) {
    if (rest.isEmpty()) return Failure{QStringLiteral("missing file or address")};
    if (!form_.isEnabled() || !form_.isVisible()) return std::nullopt;
    QMimeData data;
    fillDrag(data, rest);
    const QPointF where(form_.width() / 2.0, form_.height() / 2.0);
    QDragEnterEvent enter(where.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form_, &enter);
    if (!enter.isAccepted()) return std::nullopt;
    QDropEvent dropped(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form_, &dropped);
    QCoreApplication::processEvents();  // the page opens once the drop has ended
    return std::nullopt;
}

}  // namespace sumire
