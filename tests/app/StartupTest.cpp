// Start-up as the script interface shows it: the documented initial state,
// the order of the dump's keys, the bookmark file at start-up, and the
// script's own errors.

#include "ScriptRun.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace sumire::apptest {
namespace {

// The keys of the outermost object of a JSON text, in the order written.
QStringList keysInOrder(const QByteArray& json) {
    QStringList keys;
    int depth = 0;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '"') {
            qsizetype end = i + 1;
            while (end < json.size() && json[end] != '"') end += json[end] == '\\' ? 2 : 1;
            if (depth == 1 && end + 1 < json.size() && json[end + 1] == ':')
                keys << QString::fromUtf8(json.mid(i + 1, end - i - 1));
            i = end;
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
    return keys;
}

// The text of the object that follows "key": in a JSON text.
QByteArray objectText(const QByteArray& json, const QByteArray& key) {
    const qsizetype start = json.indexOf("\"" + key + "\":{");
    if (start < 0) return {};
    qsizetype i = start + key.size() + 3;
    int depth = 0;
    bool inString = false;
    for (qsizetype j = i; j < json.size(); ++j) {
        const char c = json[j];
        if (inString) {
            if (c == '\\') ++j;
            else if (c == '"') inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if ((c == '}' || c == ']') && --depth == 0) {
            return json.mid(i, j - i + 1);
        }
    }
    return {};
}

void expectNumbers(const QJsonValue& v, qsizetype count, int value, const char* what) {
    ASSERT_TRUE(v.isArray()) << what;
    const QJsonArray a = v.toArray();
    ASSERT_EQ(a.size(), count) << what;
    for (const QJsonValue& e : a) EXPECT_EQ(e.toInt(-1), value) << what;
}

TEST(Startup, FirstDumpIsTheDocumentedInitialState) {
    Sandbox box;
    const ScriptResult r = box.run({"dump"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    ASSERT_EQ(r.dumps.size(), 1);
    const QJsonObject d = r.dump(0);

    EXPECT_EQ(d["Form1"].toObject()["enabled"], QJsonValue(true));
    EXPECT_EQ(d["Form1"].toObject()["picture"], QJsonValue("builtin"));
    for (const char* w : {"Form2", "Form3", "file", "frmAbout"})
        EXPECT_EQ(d["shown"].toObject()[w], QJsonValue(false)) << w;
    const QJsonObject text1 = d["Text1"].toObject();
    EXPECT_EQ(text1["text"], QJsonValue(""));
    EXPECT_EQ(text1["enabled"], QJsonValue(true));
    EXPECT_EQ(text1["back"], QJsonValue(16777215));
    const QJsonObject text2 = d["Text2"].toObject();
    EXPECT_EQ(text2["text"], QJsonValue(""));
    EXPECT_EQ(text2["readOnly"], QJsonValue(true));
    EXPECT_EQ(text2["back"], QJsonValue(12632256));
    EXPECT_EQ(text2["selStart"], QJsonValue(0));
    EXPECT_EQ(text2["selLength"], QJsonValue(0));
    EXPECT_EQ(d["Text3"], QJsonValue(""));
    EXPECT_EQ(d["Label1(3)"], QJsonValue(""));
    EXPECT_EQ(d["Label1(6)"], QJsonValue(""));
    EXPECT_EQ(d["Label2"], QJsonValue("20"));

    const QJsonObject enabled = d["enabled"].toObject();
    const QStringList on{"Command1", "Command4", "Command14", "Menu005"};
    const QStringList off{"Command10", "Command13", "Command15", "Command16",
                          "Menu10",    "Menu006",   "Menu007",   "Menu008"};
    EXPECT_EQ(enabled.size(), on.size() + off.size());
    for (const QString& k : on) EXPECT_EQ(enabled[k], QJsonValue(true)) << qPrintable(k);
    for (const QString& k : off) EXPECT_EQ(enabled[k], QJsonValue(false)) << qPrintable(k);
    EXPECT_EQ(d["checked"].toObject()["Menu002"], QJsonValue(true));
    EXPECT_EQ(d["checked"].toObject()["Menu003"], QJsonValue(false));

    EXPECT_EQ(d["book000"].toArray(), QJsonArray({"ありません"}));
    const QJsonArray files = d["File001"].toArray();
    ASSERT_EQ(files.size(), 10);
    for (const QJsonValue& f : files) {
        EXPECT_EQ(f.toObject()["caption"], QJsonValue("ファイルがありません"));
        EXPECT_EQ(f.toObject()["enabled"], QJsonValue(false));
    }
    const QJsonArray pictures = d["Picture1"].toArray();
    ASSERT_EQ(pictures.size(), 12);
    auto slot = [&](int k) { return pictures[k].toObject(); };
    EXPECT_EQ(slot(0)["width"], QJsonValue(1500));
    EXPECT_EQ(slot(0)["height"], QJsonValue(1095));
    EXPECT_EQ(slot(2)["width"], QJsonValue(1485));
    EXPECT_EQ(slot(2)["height"], QJsonValue(1125));
    for (int k : {1, 3, 9}) {
        EXPECT_EQ(slot(k)["width"], QJsonValue(1455)) << k;
        EXPECT_EQ(slot(k)["height"], QJsonValue(1095)) << k;
    }
    for (int k = 0; k < 10; ++k) EXPECT_EQ(slot(k)["picture"], QJsonValue(false)) << k;
    for (int k : {10, 11}) {
        EXPECT_EQ(slot(k)["picture"], QJsonValue(true)) << k;  // the dxm and dat icons
        EXPECT_EQ(slot(k)["width"], QJsonValue(1485)) << k;
        EXPECT_EQ(slot(k)["height"], QJsonValue(1125)) << k;
    }
    EXPECT_EQ(d["Timer1"], QJsonValue(false));  // the first drawing switched it off
    EXPECT_EQ(d["AutoRedraw"], QJsonValue(true));

    EXPECT_EQ(d["Form2"].toObject(), QJsonObject({{"Text1", ""}, {"Text2", ""}}));
    const QJsonObject form3 = d["Form3"].toObject();
    EXPECT_EQ(form3["List1"], QJsonValue(QJsonArray()));
    EXPECT_EQ(form3["selectedBookmark"], QJsonValue(0));
    const QJsonObject file = d["file"].toObject();
    EXPECT_TRUE(QFileInfo(file["Dir1"].toString()).isAbsolute());
    EXPECT_EQ(file["File1"], QJsonValue(QJsonArray()));
    EXPECT_EQ(d["frmAbout"].toObject(), QJsonObject({{"caption", ""}, {"lblTitle", ""}, {"lblVersion", ""}}));
    EXPECT_EQ(d["clipboard"], QJsonValue(""));
    EXPECT_EQ(d["messages"], QJsonValue(QJsonArray()));
    EXPECT_EQ(d["started"], QJsonValue(QJsonArray()));
    EXPECT_TRUE(d["settings"].toObject()["Phone"].isNull());
    EXPECT_TRUE(d["settings"].toObject().contains("Phone"));
    EXPECT_TRUE(QFileInfo(d["attachFolder"].toString()).isAbsolute());

    const QJsonObject m = r.model(0);
    EXPECT_EQ(m["lcdText"], QJsonValue(""));
    EXPECT_EQ(m["bodyStart"], QJsonValue(1));
    for (const char* k : {"textRed", "textGreen", "textBlue", "colorIdx", "hexValue", "linkCount", "attachCount",
                          "lcdCol", "scrollTop", "imageRows", "blinkActive", "blinkPhase"})
        EXPECT_EQ(m[k], QJsonValue(0)) << k;
    for (const char* k : {"backRed", "backGreen", "backBlue"}) EXPECT_EQ(m[k], QJsonValue(255)) << k;
    expectNumbers(m["colorRed"], 101, 0, "colorRed");
    expectNumbers(m["colorGreen"], 101, 0, "colorGreen");
    expectNumbers(m["colorBlue"], 101, 0, "colorBlue");
    for (const char* k : {"linkKeys", "linkTargets", "attachNames", "bookmarkTitles", "bookmarkAddresses"})
        EXPECT_EQ(m[k], QJsonValue(QJsonArray())) << k;
    EXPECT_EQ(m["lcdRow"], QJsonValue(-10));
    EXPECT_EQ(m["lineChars"], QJsonValue(20));
    EXPECT_EQ(m["lineCount"], QJsonValue(10));
    EXPECT_EQ(m["charWidth"], QJsonValue(100));
    EXPECT_EQ(m["lineHeight"], QJsonValue(200));
    EXPECT_EQ(m["fontSize"], QJsonValue(9));
    EXPECT_EQ(m["phoneModel"], QJsonValue(""));
    EXPECT_EQ(m["lastBookmark"], QJsonValue(-1));

    // The drawing the user sees: the white box and its black frame.
    EXPECT_EQ(d["draw"].toArray(), QJsonArray({QJsonArray({"box", 360, 960, 2415, 3015, 16777215}),
                                               QJsonArray({"frame", 360, 960, 2415, 3015, 0})}));
    EXPECT_TRUE(d["archive"].isNull());
    EXPECT_EQ(d["history"], QJsonValue(QJsonObject({{"back", 0}, {"forward", 0}})));
    EXPECT_EQ(d["status"], QJsonValue(""));
    // Start-up made the download folder.
    EXPECT_TRUE(QFileInfo(box.path("download")).isDir());
}

TEST(Startup, DumpKeysStandInTheDocumentedOrder) {
    Sandbox box;
    const ScriptResult r = box.run({"dump"});
    ASSERT_EQ(r.dumpLines.size(), 1);
    const QByteArray& line = r.dumpLines[0];
    EXPECT_FALSE(line.contains('\n'));
    EXPECT_EQ(keysInOrder(line),
              QStringList({"Form1",     "shown",     "Text1",      "Text2",   "Text3",    "Label1(3)",
                           "Label1(6)", "Label2",    "enabled",    "checked", "book000",  "File001",
                           "Picture1",  "Timer1",    "AutoRedraw", "Form2",   "Form3",    "file",
                           "frmAbout",  "clipboard", "messages",   "started", "settings", "attachFolder",
                           "model",     "draw",      "archive",    "history", "status"}));
    EXPECT_EQ(
        keysInOrder(objectText(line, "model")),
        QStringList({"lcdText",      "bodyStart",      "textRed",          "textGreen",   "textBlue",    "backRed",
                     "backGreen",    "backBlue",       "colorRed",         "colorGreen",  "colorBlue",   "colorIdx",
                     "hexValue",     "linkCount",      "linkKeys",         "linkTargets", "attachCount", "attachNames",
                     "lcdRow",       "lcdCol",         "scrollTop",        "imageRows",   "blinkActive", "blinkPhase",
                     "lineChars",    "lineCount",      "charWidth",        "lineHeight",  "fontSize",    "phoneModel",
                     "lastBookmark", "bookmarkTitles", "bookmarkAddresses"}));
    EXPECT_EQ(keysInOrder(objectText(line, "enabled")),
              QStringList({"Command1", "Command4", "Command10", "Command13", "Command14", "Command15", "Command16",
                           "Menu10", "Menu005", "Menu006", "Menu007", "Menu008"}));
    EXPECT_EQ(keysInOrder(objectText(line, "Text2")),
              QStringList({"text", "readOnly", "back", "selStart", "selLength"}));
    EXPECT_EQ(keysInOrder(objectText(line, "Form3")), QStringList({"Text1", "Text2", "List1", "selectedBookmark"}));
    EXPECT_EQ(keysInOrder(objectText(line, "file")), QStringList({"Text1", "Dir1", "File1"}));
}

TEST(Startup, BookmarkFileFillsTheMenuAndAMissingOrUnreadableOneLeavesItEmpty) {
    Sandbox withFile;
    withFile.write("bookmark.txt", "\"First\",\"file:///nowhere/a.txt\"\r\n\"Second, with comma\",\"b.txt\"\r\n");
    const ScriptResult r = withFile.run({"dump", "click book000(1)", "dump"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.dump(0)["book000"].toArray(), QJsonArray({"First", "Second, with comma"}));
    EXPECT_EQ(r.model(0)["lastBookmark"], QJsonValue(1));
    EXPECT_EQ(r.model(0)["bookmarkAddresses"].toArray(), QJsonArray({"file:///nowhere/a.txt", "b.txt"}));
    // Choosing a bookmark puts its address into the address box and runs the request.
    EXPECT_EQ(r.dump(1)["Text1"].toObject()["text"], QJsonValue("b.txt"));
    EXPECT_EQ(r.dump(1)["enabled"].toObject()["Command1"], QJsonValue(true));

    Sandbox missing;
    const ScriptResult m = missing.run({"dump"});
    ASSERT_EQ(m.exitCode, 0);
    EXPECT_EQ(m.dump(0)["book000"].toArray(), QJsonArray({"ありません"}));

    Sandbox unreadable;  // a folder where the file should be
    ASSERT_TRUE(QDir(unreadable.workDir()).mkdir("bookmark.txt"));
    const ScriptResult u = unreadable.run({"dump"});
    ASSERT_EQ(u.exitCode, 0) << u.err.constData();
    EXPECT_EQ(u.dump(0)["book000"].toArray(), QJsonArray({"ありません"}));
    EXPECT_EQ(u.model(0)["lastBookmark"], QJsonValue(-1));
    // Start-up went on past the bookmarks.
    EXPECT_TRUE(QFileInfo(unreadable.path("download")).isDir());
    EXPECT_EQ(u.dump(0)["draw"].toArray().size(), 2);
}

TEST(Script, ALineThatCannotBePerformedStopsTheRunWithItsNumber) {
    Sandbox box;
    struct Case {
        QString line;
        QString reason;
    };
    const QList<Case> cases{
        {"jump Text1", "unknown verb"},
        {"click Command99", "unknown control"},
        {"click", "missing"},
        {"set", "missing"},
        {"set Label2 x", "not a text box"},
        {"set Text1 bad\\q", "escape"},
        {"selectText Text2 1", "missing"},
        {"selectText Text2 one 1", "bad number"},
        {"close Form9", "unknown window"},
        {"shot", "missing"},
        {"click Form2.cmdOK", "unknown control"},
    };
    for (const Case& c : cases) {
        const ScriptResult r = box.run({"# a comment", "", "dump", c.line, "dump"});
        EXPECT_EQ(r.exitCode, 2) << qPrintable(c.line);
        EXPECT_EQ(r.dumps.size(), 1) << qPrintable(c.line);  // nothing after the bad line ran
        const QString err = QString::fromUtf8(r.err);
        EXPECT_TRUE(err.contains("line 4: ")) << qPrintable(c.line) << " -> " << qPrintable(err);
        EXPECT_TRUE(err.contains(c.reason)) << qPrintable(c.line) << " -> " << qPrintable(err);
    }
}

TEST(Script, SetTypesEscapedTextAndDisabledControlsIgnoreInput) {
    Sandbox box;
    const ScriptResult r = box.run({
        "set Text1 a\\tb\\\\c\\u3042\\r\\nz",
        "set Text3 ",
        "set Text2 typed into a read-only box",
        "dump",
        "click Menu003",
        "set Text1 ignored while disabled",
        "click Command4",
        "dump",
    });
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.dump(0)["Text1"].toObject()["text"], QJsonValue(QString::fromUtf8("a\tb\\c\u3042\r\nz")));
    EXPECT_EQ(r.dump(0)["Text3"], QJsonValue(""));
    EXPECT_EQ(r.dump(0)["Text2"].toObject()["text"], QJsonValue(""));
    EXPECT_EQ(r.dump(1)["Text1"].toObject()["text"], QJsonValue(""));
    EXPECT_EQ(r.dump(1)["enabled"].toObject()["Command4"], QJsonValue(false));
}

TEST(Script, ClosingTheWindowRunsTheShutdownAndEndsTheRun) {
    Sandbox box;
    const ScriptResult r = box.run({"dump", "close Form1", "dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.dumps.size(), 1);
    // A first run stores the empty text.
    const ScriptResult next = box.run({"dump"});
    EXPECT_EQ(next.dump(0)["settings"].toObject()["Phone"], QJsonValue(""));

    // Without the exit command or the close box nothing is stored.
    Sandbox untouched;
    untouched.run({"click Phone001"});
    EXPECT_TRUE(untouched.run({"dump"}).dump(0)["settings"].toObject()["Phone"].isNull());
}

}  // namespace
}  // namespace sumire::apptest
