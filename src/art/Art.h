#pragma once
// The viewer's built-in pictures: the plain handset the window starts with,
// the toolbar icons, the telephone bitmap of the two call buttons, the icons
// shown for melody and data attachments, and the program icon. The handset
// model pictures phone_01.jpg .. phone_03.jpg are files installed beside the
// program, not part of this library.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace sumire {

// 189 x 458, 24 bits a pixel: a plain grey handset on the window's light green.
QImage builtinHandsetPicture();

// Toolbar icons by name: "network", "offline", "open", "addBookmark",
// "editBookmarks", "help" (32 x 32 and 16 x 16) and "cut", "copy", "paste",
// "delete" (16 x 16). A null icon for any other name.
QIcon toolbarIcon(const QString& name);

// 24 x 22 telephone of the go and call buttons. Needs a QGuiApplication.
QPixmap telephoneBitmap();

// 95 x 71, 256 colours: the pictures a slot shows for a melody (dxm) and a
// data (dat) attachment.
QImage melodyIcon();
QImage dataIcon();

// The window icon, 32 x 32 and 16 x 16.
QIcon programIcon();

}  // namespace sumire
