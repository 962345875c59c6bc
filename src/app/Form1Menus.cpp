// The menu bar of the main window and the wiring of every button and menu
// item to its handler.

#include "Form1.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace sumire {
namespace {

// Read when used: the translation is chosen before the window is made.
QString noBookmarkCaption() { return Form1::tr("ありません"); }
QString noFileCaption() { return Form1::tr("ファイルがありません"); }

// The menu, item or separator, named as scripts and the dump know it.
template <class T>
T* named(T* object, const QString& name) {
    object->setObjectName(name);
    return object;
}

QAction* addItem(QMenu* menu, const QString& name, const QString& caption) {
    return named(menu->addAction(caption), name);
}

QAction* addSeparator(QMenu* menu, const QString& name) { return named(menu->addSeparator(), name); }

QMenu* addMenu(QMenuBar* bar, const QString& name, const QString& caption) {
    return named(bar->addMenu(caption), name);
}

}  // namespace

void Form1::createMenus() {
    createMainMenu();
    createHandsetMenu();
    createBookmarkMenu();
    createDownloadMenu();
    createHelpMenu();
}

void Form1::createMainMenu() {
    QMenu* m = addMenu(menuBar(), "Menu000", tr("メニュー(&M)"));
    c_.menu002 = addItem(m, "Menu002", tr("ネットワーク(&N)"));
    c_.menu002->setCheckable(true);
    c_.menu002->setChecked(true);
    c_.menu003 = addItem(m, "Menu003", tr("オフライン(&O)"));
    c_.menu003->setCheckable(true);
    addSeparator(m, "Menu004");
    c_.menu10 = addItem(m, "Menu10", tr("ファイルを開く"));
    addSeparator(m, "Menu011");
    c_.menu006 = addItem(m, "Menu006", tr("切り取り(&T)"));
    c_.menu005 = addItem(m, "Menu005", tr("コピー(&C)"));
    c_.menu007 = addItem(m, "Menu007", tr("貼り付け(&P)"));
    c_.menu008 = addItem(m, "Menu008", tr("削除(&D)"));
    addSeparator(m, "Menu009");
    c_.menu001 = addItem(m, "Menu001", tr("終了(&X)"));
    for (QAction* a : {c_.menu10, c_.menu006, c_.menu007, c_.menu008}) a->setEnabled(false);
}

void Form1::createHandsetMenu() {
    QMenu* m = addMenu(menuBar(), "Eki000", tr("電話機(&T)"));
    QMenu* widths = named(m->addMenu(tr("液晶横表示数(&Y)")), QStringLiteral("Eki001"));
    const char* widthCaptions[6] = {QT_TR_NOOP("20行(&1)"), QT_TR_NOOP("18行(&2)"), QT_TR_NOOP("16行(&3)"),
                                    QT_TR_NOOP("14行(&4)"), QT_TR_NOOP("12行(&5)"), QT_TR_NOOP("10行(&6)")};
    for (int i = 0; i < 6; ++i)
        c_.yoko[i] = addItem(widths, QStringLiteral("Yoko00%1").arg(i + 1), tr(widthCaptions[i]));
    QMenu* phones = named(m->addMenu(tr("電話機変更(&P)")), QStringLiteral("Eki002"));
    c_.phone[0] = addItem(phones, "Phone000", tr("J90、J91モデル(&N)"));
    c_.phone[1] = addItem(phones, "Phone001", tr("テソロ赤ﾓﾃﾞﾙ(&R)"));
    c_.phone[2] = addItem(phones, "Phone002", tr("ﾙ･ﾓﾃ黒、ﾒｶﾞｷｬﾛｯﾂ黒ﾓﾃﾞﾙ(&R)"));
}

void Form1::createBookmarkMenu() {
    c_.book = addMenu(menuBar(), "book", tr("ブックマーク(&B)"));
    c_.book000 << addItem(c_.book, "book000(0)", noBookmarkCaption());
    c_.book2 = addSeparator(c_.book, "book2");
    c_.book3 = addItem(c_.book, "book3", tr("ブックマークに追加(&A)"));
    c_.book4 = addItem(c_.book, "book4", tr("ブックマーク編集(&E)"));
    connect(c_.book000[0], &QAction::triggered, this, [this] { book000_Click(0); });
}

void Form1::createDownloadMenu() {
    QMenu* m = addMenu(menuBar(), "File000", tr("ダウンロード(&D)"));
    for (int i = 0; i < 10; ++i) {
        c_.file001[i] = addItem(m, QStringLiteral("File001(%1)").arg(i), noFileCaption());
        c_.file001[i]->setEnabled(false);
    }
    addSeparator(m, "file003");
    c_.file002 = addItem(m, "file002", tr("ダウンロードファイルのクリア(&C)"));
}

void Form1::createHelpMenu() {
    QMenu* m = addMenu(menuBar(), "help", tr("ヘルプ(&H)"));
    c_.help001 = addItem(m, "help001", tr("ヘルプ(&H)"));
    addSeparator(m, "help002");
    c_.help003 = addItem(m, "help003", tr("バージョン情報(&V)"));
}

// One menu item per bookmark, item 0 always there ("ありません" while the
// list is empty); items are added or removed at the end, before the separator.
void Form1::refreshBookmarkMenu() {
    const int count = std::max(1, bookmarks_.lastBookmark() + 1);
    while (c_.book000.size() > count) delete c_.book000.takeLast();
    while (c_.book000.size() < count) {
        const int index = int(c_.book000.size());
        auto* item = named(new QAction(this), QStringLiteral("book000(%1)").arg(index));
        c_.book->insertAction(c_.book2, item);
        connect(item, &QAction::triggered, this, [this, index] { book000_Click(index); });
        c_.book000 << item;
    }
    for (int i = 0; i < count; ++i)
        c_.book000[i]->setText(bookmarks_.lastBookmark() < 0 ? noBookmarkCaption() : bookmarks_.bookmarkTitle(i));
}

// Each button and menu item to its handler; a toolbar button that repeats a
// menu command runs the command's handler.
void Form1::connectButtons() {
    using Handler = void (Form1::*)();
    const std::pair<int, Handler> buttons[] = {
        {1, &Form1::Command1_Click},   {2, &Form1::Command2_Click},   {3, &Form1::Command3_Click},
        {4, &Form1::Command4_Click},   {6, &Form1::Command6_Click},   {7, &Form1::Command7_Click},
        {8, &Form1::Command8_Click},   {9, &Form1::Command9_Click},   {10, &Form1::Command10_Click},
        {11, &Form1::Menu002_Click},   {12, &Form1::Menu003_Click},   {13, &Form1::Menu006_Click},
        {14, &Form1::Menu005_Click},   {15, &Form1::Menu007_Click},   {16, &Form1::Menu008_Click},
        {17, &Form1::Command17_Click}, {18, &Form1::Command18_Click}, {19, &Form1::book3_Click},
        {20, &Form1::book4_Click},     {21, &Form1::help001_Click}};
    for (const auto& [n, handler] : buttons) connect(c_.command[n], &QPushButton::clicked, this, handler);
    const std::pair<QAction*, Handler> items[] = {
        {c_.menu002, &Form1::Menu002_Click},   {c_.menu003, &Form1::Menu003_Click},
        {c_.menu005, &Form1::Menu005_Click},   {c_.menu006, &Form1::Menu006_Click},
        {c_.menu007, &Form1::Menu007_Click},   {c_.menu008, &Form1::Menu008_Click},
        {c_.menu001, &Form1::Menu001_Click},   {c_.menu10, &Form1::Menu10_Click},
        {c_.yoko[0], &Form1::Yoko001_Click},   {c_.yoko[1], &Form1::Yoko002_Click},
        {c_.yoko[2], &Form1::Yoko003_Click},   {c_.yoko[3], &Form1::Yoko004_Click},
        {c_.yoko[4], &Form1::Yoko005_Click},   {c_.yoko[5], &Form1::Yoko006_Click},
        {c_.phone[0], &Form1::Phone000_Click}, {c_.phone[1], &Form1::Phone001_Click},
        {c_.phone[2], &Form1::Phone002_Click}, {c_.book3, &Form1::book3_Click},
        {c_.book4, &Form1::book4_Click},       {c_.file002, &Form1::file002_Click},
        {c_.help001, &Form1::help001_Click},   {c_.help003, &Form1::help003_Click}};
    for (const auto& [item, handler] : items) connect(item, &QAction::triggered, this, handler);
    for (int i = 0; i < 10; ++i) connect(c_.command5[i], &QPushButton::clicked, this, [this, i] { Command5_Click(i); });
    for (int i = 0; i < int(c_.file001.size()); ++i)
        connect(c_.file001[i], &QAction::triggered, this, [this, i] { File001_Click(i); });
}

}  // namespace sumire
