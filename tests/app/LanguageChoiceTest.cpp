// The language of the windows through the program, as a user meets it: the
// desktop's language read as gettext reads it, --lang and its remembering
// beside the handset, and the English windows' bookmark, download and file
// browser flows.

#include "OfflinePage.h"
#include "ScriptRun.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

namespace sumire::apptest {
namespace {

struct Shown {
    const char *noBookmark, *noFile, *aboutCaption, *guide;
};
const Shown kJapanese{"ありません", "ファイルがありません", "Sumireのﾊﾞｰｼﾞｮﾝ情報", "/readme.txt"};
const Shown kEnglish{"(none)", "(no file)", "About Sumire", "/readme-en.txt"};

// The language variables ("LANG=en_US.UTF-8 LANGUAGE=ja"; the others unset),
// then the texts the windows show.
struct Desktop {
    const char* variables;
    const char* lang;  // --lang, or empty
    const Shown* shown;
};
const Desktop kDesktops[] = {
    {"", "", &kJapanese},
    {"LANG=C", "", &kJapanese},
    {"LANG=C.UTF-8", "", &kJapanese},
    {"LANG=POSIX", "", &kJapanese},
    {"LANG=ja_JP.UTF-8", "", &kJapanese},
    {"LANG=en_US.UTF-8", "", &kEnglish},
    {"LANG=de_DE.UTF-8", "", &kEnglish},
    {"LC_ALL=C.UTF-8 LANG=en_US.UTF-8", "", &kJapanese},
    {"LC_ALL=C LANGUAGE=en", "", &kJapanese},  // the C locale reads no LANGUAGE
    {"LC_MESSAGES=fr_FR.UTF-8 LANG=ja_JP.UTF-8", "", &kEnglish},
    {"LANG=en_US.UTF-8 LANGUAGE=ja:en", "", &kJapanese},
    {"LANG=fr_FR.UTF-8 LANGUAGE=fr:ja", "", &kJapanese},
    {"LANG=ja_JP.UTF-8 LANGUAGE=de:en_GB", "", &kEnglish},
    {"LANG=en_US.UTF-8", "ja", &kJapanese},
    {"LANG=C.UTF-8", "en", &kEnglish},
};

// A sandbox on a desktop of these language variables, whose PATH holds only
// an opener, which the script records and never runs.
void useDesktop(Sandbox& box, const QString& variables) {
    for (const char* name : test::kLanguageVariables) box.setVariable(name, std::nullopt);
    for (const QString& pair : variables.split(' ', Qt::SkipEmptyParts))
        box.setVariable(pair.section('=', 0, 0), pair.section('=', 1));
    const QString bin = QDir::cleanPath(box.path("../bin"));
    QDir().mkpath(bin);
    test::writeProgram(bin + "/xdg-open", "#!/bin/sh\nexit 0\n");
    box.setVariable("PATH", bin);
}

void expectShown(const ScriptResult& r, const Shown& shown, const QString& why) {
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject d = r.dump(0);
    EXPECT_EQ(d["book000"].toArray(), QJsonArray({shown.noBookmark})) << qPrintable(why);
    EXPECT_EQ(d["File001"].toArray()[9].toObject()["caption"], shown.noFile) << qPrintable(why);
    EXPECT_EQ(d["frmAbout"].toObject()["caption"], shown.aboutCaption) << qPrintable(why);
    const QJsonArray started = d["started"].toArray();
    ASSERT_EQ(started.size(), 1) << qPrintable(why);
    EXPECT_TRUE(started[0].toString().endsWith(shown.guide)) << qPrintable(why + ": " + started[0].toString());
}

const QStringList kLookAround{"click help001", "click help003", "dump"};

TEST(LanguageChoice, FollowsTheDesktopAndTheCommandLine) {
    for (const Desktop& desktop : kDesktops) {
        Sandbox box;
        useDesktop(box, desktop.variables);
        const QString lang = QString::fromLatin1(desktop.lang);
        const QStringList arguments = lang.isEmpty() ? QStringList() : QStringList{"--lang", lang};
        expectShown(box.run(kLookAround, arguments), *desktop.shown,
                    QStringLiteral("%1 --lang %2").arg(desktop.variables, lang));
    }
}

QString storedLanguage(const Sandbox& box) {
    return QSettings(box.settingsFile(), QSettings::IniFormat).value("Startup/Language").toString();
}

TEST(LanguageChoice, LangIsRememberedBesideTheHandsetUntilAuto) {
    Sandbox box;
    useDesktop(box, "LANG=C.UTF-8");
    ASSERT_EQ(box.run({"click Phone001", "click Menu001"}, {"--lang", "en"}).exitCode, 0);
    const QSettings stored(box.settingsFile(), QSettings::IniFormat);
    EXPECT_EQ(stored.value("Startup/Phone"), "1");
    EXPECT_EQ(stored.value("Startup/Language"), "en");
    expectShown(box.run(kLookAround), kEnglish, "remembered en");

    useDesktop(box, "LANG=en_US.UTF-8");
    expectShown(box.run(kLookAround, {"--lang", "ja"}), kJapanese, "--lang ja");
    expectShown(box.run(kLookAround), kJapanese, "remembered ja");
    EXPECT_EQ(storedLanguage(box), "ja");
    expectShown(box.run(kLookAround, {"--lang", "auto"}), kEnglish, "--lang auto");
    EXPECT_FALSE(QSettings(box.settingsFile(), QSettings::IniFormat).contains("Startup/Language"));
    EXPECT_EQ(QSettings(box.settingsFile(), QSettings::IniFormat).value("Startup/Phone"), "1");

    const ScriptResult refused = box.run(kLookAround, {"--lang", "fr"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains("--lang cannot be fr")) << refused.err.constData();
}

// A bitmap's first bytes; its Base64 text begins with "Qk".
const QByteArray kPicture = QByteArray("BM") + QByteArray(30, '\x01') + "end";

TEST(LanguageChoice, EnglishBookmarkDownloadAndFileBrowserFlows) {
    Sandbox box;
    useDesktop(box, "LANG=en_US.UTF-8");
    box.write("saved/mail.txt", "From: sumire http://example.jp/\r\nSubject: Hello\r\nbody");
    const QString page =
        "Subject: pic\r\nsee it\r\n--VOV980907\r\nContent-Type: image/bmp; stream;name=\"a.bmp\"\r\n\r\n" +
        QString::fromLatin1(kPicture.toBase64()) + "\r\n--VOV980907--\r\n";
    const QStringList keep = {"click File001(0)", "dump"};
    const QStringList browse = {"click Command10", "select file.Dir1 " + box.path("saved"),
                                "dblclick file.File1 mail.txt", "click Command1"};
    const QStringList bookmarks = {"click book3",
                                   "click Form2.Command1",
                                   "click book4",
                                   "select Form3.List1 0",
                                   "set Form3.Text2 Hello again",
                                   "click Form3.Command1",
                                   "click Form3.Command3",
                                   "dump"};
    const QStringList lines = showOffline(page) + keep + browse + bookmarks;
    const ScriptResult r = box.run(lines);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject kept = r.dump(0);
    EXPECT_EQ(kept["File001"].toArray()[0].toObject()["caption"], "a.bmp");
    EXPECT_EQ(kept["File001"].toArray()[1].toObject()["caption"], "(no file)");
    EXPECT_EQ(kept["messages"].toArray(), QJsonArray({"a.bmp was downloaded."}));
    EXPECT_EQ(test::readFile(box.path("download/a.bmp")), kPicture);

    const QJsonObject d = r.dump(1);
    EXPECT_EQ(d["Text1"].toObject()["text"], box.path("saved/mail.txt"));
    EXPECT_EQ(d["Label1(6)"], " Hello");
    EXPECT_EQ(d["book000"].toArray(), QJsonArray({"Hello again"}));
    EXPECT_EQ(d["Form3"].toObject()["List1"].toArray(), QJsonArray({"Hello again (http://example.jp/)"}));
    EXPECT_EQ(test::readFile(box.path("bookmark.txt")), "\"Hello again\",\"http://example.jp/\"\r\n");
    EXPECT_EQ(d["shown"].toObject(),
              QJsonObject({{"Form2", false}, {"Form3", false}, {"file", false}, {"frmAbout", false}}));
    EXPECT_EQ(d["messages"].toArray(), QJsonArray());
}

}  // namespace
}  // namespace sumire::apptest
