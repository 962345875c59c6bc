// The windows in English, in-process: every text a person can read in the
// five windows (titles, menus, labels, buttons, tool tips) is English and
// fits its control; every text of the source has its English in
// translations/sumire_en.ts. With SUMIRE_SHOT_DIR set, each window's picture
// is written there for a look.

#include "app/Language.h"
#include "StartedWindow.h"
#include "app/SystemActions.h"
#include "TestFiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace sumire::apptest {
namespace {

// Kana, CJK ideographs and the full- and half-width forms.
const QRegularExpression kJapanese(QStringLiteral("[\\x{3000}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));

struct Found {
    QString where, text;
};

void collectMenu(const QString& where, const QList<QAction*>& actions, QList<Found>* out) {
    for (QAction* a : actions) {
        if (a->isSeparator()) continue;
        *out << Found{where + "/" + a->objectName(), a->text()};
        if (a->menu()) collectMenu(where + "/" + a->menu()->objectName(), a->menu()->actions(), out);
    }
}

// What a person reads in a window; the boxes and lists hold data, not texts.
QList<Found> readableTexts(QWidget* window) {
    QList<Found> found{{window->objectName() + " title", window->windowTitle()}};
    for (QLabel* l : window->findChildren<QLabel*>())
        if (!l->text().isEmpty()) found << Found{l->objectName(), l->text()};
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (!b->text().isEmpty()) found << Found{b->objectName(), b->text()};
        if (!b->toolTip().isEmpty()) found << Found{b->objectName() + " tool tip", b->toolTip()};
    }
    for (QMenuBar* bar : window->findChildren<QMenuBar*>()) collectMenu("menu", bar->actions(), &found);
    return found;
}

// A label or a button whose English is wider (or, wrapped, taller) than the
// control draws it clipped. Texts without words ("20", "←") are the design's.
QStringList clipped(QWidget* window) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z]"));
    QStringList names;
    for (QLabel* l : window->findChildren<QLabel*>()) {
        if (!l->text().contains(word)) continue;
        const QRect room = l->contentsRect();
        const bool fits = l->wordWrap() ? l->heightForWidth(room.width()) <= room.height()
                                        : l->fontMetrics().horizontalAdvance(l->text()) <= room.width();
        if (!fits) names << l->objectName() + ": " + l->text();
    }
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        const QString text = QString(b->text()).remove('&');
        if (text.contains(word) && b->fontMetrics().horizontalAdvance(text) + 8 > b->width())
            names << b->objectName() + ": " + text;
    }
    return names;
}

class EnglishWindows : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(useLanguage(Language::English)); }
    void TearDown() override { useLanguage(Language::Japanese); }

    // Checks the window shown now, and keeps its picture when asked to.
    void look(QWidget* window, const QString& name) {
        ASSERT_TRUE(window && window->isVisible()) << qPrintable(name);
        for (const Found& f : readableTexts(window))
            EXPECT_FALSE(f.text.contains(kJapanese)) << qPrintable(name + " " + f.where + ": " + f.text);
        EXPECT_EQ(clipped(window), QStringList()) << qPrintable(name);
        const QString shots = qEnvironmentVariable("SUMIRE_SHOT_DIR");
        if (!shots.isEmpty()) window->grab().save(QDir(shots).filePath("english-" + name + ".png"));
    }

    static QWidget* shown(const char* name) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name) && w->isVisible()) return w;
        return nullptr;
    }

    static void press(QWidget* window, const char* button) {
        window->findChild<QAbstractButton*>(QLatin1String(button))->click();
    }

    QTemporaryDir dir;
    RecordingActions actions;
};

TEST_F(EnglishWindows, EveryReadableTextIsEnglishAndFitsItsControl) {
    auto form = startedWindow(dir.path(), actions);
    look(form.get(), "Form1");
    // The other windows, each opened as a person opens it (the file browser
    // in offline mode) and closed by a button.
    form->Menu003_Click();
    const struct {
        void (Form1::*open)();
        const char* window;
        const char* close;
    } others[] = {{&Form1::book3_Click, "Form2", "Command2"},
                  {&Form1::book4_Click, "Form3", "Command3"},
                  {&Form1::Command10_Click, "file", "Command2"},
                  {&Form1::help003_Click, "frmAbout", "cmdOK"}};
    for (const auto& o : others) {
        (form.get()->*o.open)();
        look(shown(o.window), o.window);
        press(shown(o.window), o.close);
    }
    // The menu items that stand for nothing.
    EXPECT_EQ(form->controls().file001[9]->text(), "(no file)");
    EXPECT_EQ(form->controls().book000[0]->text(), "(none)");
}

// lupdate's reading of the source against the translations kept in the tree:
// a text in tr() without English, or a translation of a text that is gone,
// fails here.
TEST(Translations, EveryTextOfTheSourceHasItsEnglish) {
    QTemporaryDir dir;
    const QString kept = QStringLiteral(SUMIRE_SOURCE_DIR "/translations/sumire_en.ts");
    const QString updated = dir.filePath("sumire_en.ts");
    ASSERT_TRUE(QFile::copy(kept, updated));
    QProcess lupdate;
    lupdate.start(QStringLiteral(SUMIRE_LUPDATE), {"-no-obsolete", "-locations", "none", "-source-language", "ja",
                                                   "-target-language", "en", SUMIRE_SOURCE_DIR "/src", "-ts", updated});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().constData();

    QFile ts(updated);
    ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ts);
    QString source;
    QStringList untranslated;
    int messages = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"source") source = xml.readElementText();
        if (xml.name() != u"translation") continue;
        ++messages;
        const bool unfinished = xml.attributes().value("type") == u"unfinished";
        if (xml.readElementText().isEmpty() || unfinished) untranslated << source;
    }
    EXPECT_GT(messages, 70);
    EXPECT_EQ(untranslated, QStringList()) << "cmake --build build --target update_translations, then translate";
    EXPECT_EQ(test::readFile(updated), test::readFile(kept)) << "translations/sumire_en.ts is not in step with src/";
}

}  // namespace
}  // namespace sumire::apptest
