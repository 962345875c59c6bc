// The viewer from the keyboard, through the script's key line, and what a
// request that fails leaves on the window: the page shown stays, the status
// line says why until the next page is shown.

#include "ScriptRun.h"
#include "support/TestHttpServer.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace sumire::apptest {
namespace {

using test::TestHttpServer;

QString text1(const QJsonObject& d) { return d["Text1"].toObject()["text"].toString(); }
QString lcdText(const QJsonObject& d) { return d["model"].toObject()["lcdText"].toString(); }
int modelInt(const QJsonObject& d, const char* key) { return d["model"].toObject()[key].toInt(); }

// An index with links "1", "12" and "*#", an attachment, and rows enough to
// scroll; each link leads to a page that names itself.
class Keyboard : public testing::Test {
protected:
    void SetUp() override {
        QByteArray index = "Subject: index\r\nSEL=1;" + url("/one.txt") + ">\r\n\r\nSEL=12;" + url("/twelve.txt") +
                           ">\r\n\r\nSEL=*#;" + url("/star.txt") + ">\r\nAppend:Name=\"a.dat\"\r\n";
        for (int row = 1; row <= 40; ++row) index += "row " + QByteArray::number(row) + "\r\n";
        server.serveBytes("/index.txt", index);
        server.serveBytes("/a.dat", "attached bytes");
        for (const char* name : {"one", "twelve", "star"})
            server.serveBytes("/" + QString(name) + ".txt", "page " + QByteArray(name));
        server.serveBytes("/gone.txt", "not here", "text/plain", 404);
    }
    QByteArray url(const QString& path) const { return server.url(path).toUtf8(); }
    ScriptResult runOnIndex(const QStringList& lines) const { return box.run(lines, {server.url("/index.txt")}); }

    TestHttpServer server;
    Sandbox box;
};

TEST_F(Keyboard, KeysDriveTheHandset) {
    const QString one = "page one", twelve = "page twelve", star = "page star", index = "row 40";
    const struct {
        QStringList lines;
        QString lcd;  // a text of the page the LCD shows
        QString text3;
        int scrollTop, lineChars;
    } cases[] = {
        // The address box has the focus at start: a digit goes there, Return loads it.
        {{"key Down", "key 1"}, index, "", 0, 20},
        {{"set Text1 " + server.url("/one.txt"), "key Return"}, one, "", 0, 20},
        // Escape gives the handset the focus: digits, "*" and "#" build the key.
        {{"key Esc", "key 1", "key 2", "key Return"}, twelve, "", 0, 20},
        {{"key Esc", "key *", "key #", "key Enter"}, star, "", 0, 20},
        {{"key Esc", "key 1", "key 3", "key 3", "key Backspace", "key Backspace"}, index, "1", 0, 20},
        // Tab from the address box: the go button, then the LCD.
        {{"key Tab", "key Tab", "key 1", "key Return"}, one, "", 0, 20},
        // Scrolling and the display width, as the buttons do.
        {{"key Esc", "key Down", "key Down", "key Down", "key Up"}, index, "", 2, 20},
        {{"key Esc", "key PgDown", "key PgDown"}, index, "", 16, 20},
        {{"key Esc", "key PgDown", "key PgUp"}, index, "", 0, 20},
        {{"key Esc", "key Ctrl+Left", "key Ctrl+Left", "key Ctrl+Left", "key Ctrl+Right"}, index, "", 0, 16},
        // Offline the select key is disabled: Return leaves the key as typed.
        {{"click Menu003", "key Esc", "key 1", "key Return"}, index, "1", 0, 20},
    };
    for (const auto& c : cases) {
        const ScriptResult r = runOnIndex(c.lines + QStringList{"dump"});
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
        const QJsonObject d = r.dump(0);
        const QString what = c.lines.join(" / ");
        EXPECT_TRUE(lcdText(d).contains(c.lcd)) << qPrintable(what) << ": " << qPrintable(lcdText(d));
        EXPECT_EQ(d["Text3"].toString(), c.text3) << qPrintable(what);
        EXPECT_EQ(modelInt(d, "scrollTop"), c.scrollTop) << qPrintable(what);
        EXPECT_EQ(modelInt(d, "lineChars"), c.lineChars) << qPrintable(what);
        EXPECT_EQ(d["Label2"].toString(), QString::number(c.lineChars)) << qPrintable(what);
    }
}

// A page that cannot be fetched, typed or chosen from the history, leaves
// the page shown as it was; the next page shown, in either mode, clears
// the status line.
TEST_F(Keyboard, AFailedRequestKeepsThePageAndSaysWhy) {
    const ScriptResult r = runOnIndex({"key Esc", "key Down", "key Down", "key Down", "dump",
                                       "set Text1 " + server.url("/gone.txt"), "click Command1", "dump", "key Down",
                                       "dump", "click Menu003", "set Text2 offline page", "click Command1", "dump"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject before = r.dump(0), failed = r.dump(1), scrolled = r.dump(2), offline = r.dump(3);
    for (const char* key : {"Label1(3)", "Label1(6)", "Text2", "File001", "Picture1", "draw", "history"})
        EXPECT_EQ(failed[key], before[key]) << key;
    for (const char* key : {"lcdText", "linkCount", "linkTargets", "attachNames", "scrollTop", "lcdRow"})
        EXPECT_EQ(failed["model"].toObject()[key], before["model"].toObject()[key]) << key;
    EXPECT_EQ(modelInt(failed, "scrollTop"), 3);
    EXPECT_EQ(text1(failed), server.url("/gone.txt"));  // left to be corrected
    const QString status = failed["status"].toString();
    EXPECT_TRUE(status.startsWith("ページを取得できませんでした: ") && status.contains("404")) << qPrintable(status);
    // The page kept still scrolls, and the message stays until a page is shown.
    EXPECT_EQ(modelInt(scrolled, "scrollTop"), 4);
    EXPECT_EQ(scrolled["status"].toString(), status);
    EXPECT_EQ(lcdText(offline), QString("offline page"));
    EXPECT_EQ(offline["status"], QJsonValue(""));
}

// A working folder that is not there yet is made with its download folder,
// so the first download works; the status line names the file kept.
TEST_F(Keyboard, ANewWorkingFolderTakesTheFirstDownload) {
    const QString fresh = box.path("new/work");
    const ScriptResult r =
        box.run({"dump", "click File001(0)", "dump"}, {"--workdir", fresh, server.url("/index.txt")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(QFileInfo(fresh + "/download").isDir());
    const QString kept = fresh + "/download/a.dat";
    EXPECT_TRUE(QFileInfo::exists(kept));
    EXPECT_EQ(r.dump(1)["messages"], QJsonValue(QJsonArray{"a.datをダウンロードしました。"}));
    EXPECT_EQ(r.dump(1)["status"], QJsonValue("保存しました: " + kept));
}

}  // namespace
}  // namespace sumire::apptest
