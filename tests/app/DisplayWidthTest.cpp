// Display width stepping and the four scroll buttons, with their limits,
// through the script interface. Pages come in offline mode from the page
// text box.

#include "OfflinePage.h"
#include "ScriptRun.h"

#include <gtest/gtest.h>

namespace sumire::apptest {
namespace {

QString numberedLines(int count) {
    QString page;
    for (int i = 1; i <= count; ++i) page += QStringLiteral("line%1\r\n").arg(i, 2, 10, QChar('0'));
    return page;
}

int64_t scrollTop(const ScriptResult& r, int i) { return r.model(i)["scrollTop"].toInteger(); }

// The first text operation of a dump: where the top row starts.
QJsonArray firstText(const ScriptResult& r, int i) { return drawOps(r.dump(i), "text").value(0); }

TEST(DisplayWidth, ArrowsStepThroughTheSixWidthsAndStopAtEachEnd) {
    Sandbox box;
    QStringList lines{"dump"};
    for (int i = 0; i < 6; ++i) lines += QStringList{"click Command17", "dump"};
    for (int i = 0; i < 6; ++i) lines += QStringList{"click Command18", "dump"};
    const ScriptResult r = box.run(lines);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    ASSERT_EQ(r.dumps.size(), 13);
    struct Row {
        int chars, count, width, height, font;
    };
    const Row rows[6] = {{20, 10, 100, 200, 9}, {18, 9, 115, 210, 10}, {16, 9, 130, 220, 11},
                         {14, 8, 145, 230, 13}, {12, 7, 165, 250, 16}, {10, 6, 200, 300, 18}};
    const int expectedRow[13] = {0, 1, 2, 3, 4, 5, 5, 4, 3, 2, 1, 0, 0};
    for (int i = 0; i < 13; ++i) {
        const Row& w = rows[expectedRow[i]];
        const QJsonObject m = r.model(i);
        EXPECT_EQ(r.dump(i)["Label2"], QJsonValue(QString::number(w.chars))) << i;
        EXPECT_EQ(m["lineChars"], QJsonValue(w.chars)) << i;
        EXPECT_EQ(m["lineCount"], QJsonValue(w.count)) << i;
        EXPECT_EQ(m["charWidth"], QJsonValue(w.width)) << i;
        EXPECT_EQ(m["lineHeight"], QJsonValue(w.height)) << i;
        EXPECT_EQ(m["fontSize"], QJsonValue(w.font)) << i;
    }
}

TEST(DisplayWidth, MenuChoiceRelaysTheLinesOfThePage) {
    Sandbox box;
    QStringList lines = showOffline(QString(20, QChar('a')));
    lines += QStringList{"dump", "click Yoko006", "dump", "click Yoko003", "dump"};
    const ScriptResult r = box.run(lines);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    // Width 20: nineteen cells a line; width 10: nine; width 16: fifteen.
    EXPECT_EQ(drawOps(r.dump(0), "text").value(19), QJsonArray({"text", 400, 1200, int('a'), 0}));
    EXPECT_EQ(drawOps(r.dump(1), "text").value(9), QJsonArray({"text", 400, 1300, int('a'), 0}));
    EXPECT_EQ(r.dump(1)["Label2"], QJsonValue("10"));
    EXPECT_EQ(drawOps(r.dump(2), "text").value(15), QJsonArray({"text", 400, 1220, int('a'), 0}));
    EXPECT_EQ(r.dump(2)["Label2"], QJsonValue("16"));
}

TEST(Scrolling, RowAndScreenStepsStopAtTheirLimits) {
    Sandbox box;
    QStringList lines = showOffline(numberedLines(30));  // scroll limit 30 - 10 = 20
    const QStringList clicks{"Command2", "Command3", "Command3", "Command2", "Command9", "Command9",
                             "Command9", "Command3", "Command9", "Command8", "Command8", "Command8"};
    lines << "dump";
    for (const QString& c : clicks) lines << "click " + c << "dump";
    const ScriptResult r = box.run(lines);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    ASSERT_EQ(r.dumps.size(), 13);
    EXPECT_EQ(r.model(0)["lcdRow"], QJsonValue(20));
    const int64_t expected[13] = {0, 0, 1, 2, 1, 9, 17, 20, 20, 20, 10, 0, 0};
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(scrollTop(r, i), expected[i]) << "after " << (i ? qPrintable(clicks[i - 1]) : "load");
        // The top row of the LCD shows page row scrollTop.
        const QString top = QStringLiteral("line%1").arg(expected[i] + 1, 2, 10, QChar('0'));
        EXPECT_EQ(drawnText(r.dump(i)).left(6), top) << i;
        EXPECT_EQ(firstText(r, i)[2], QJsonValue(1000)) << i;
    }
}

TEST(Scrolling, AShortPageHasANegativeLimit) {
    Sandbox box;
    QStringList lines = showOffline("short\r\n");  // limit 1 - 10 = -9
    const QStringList clicks{"Command3", "Command9", "Command2", "Command3", "Command9", "Command8"};
    lines << "dump";
    for (const QString& c : clicks) lines << "click " + c << "dump";
    const ScriptResult r = box.run(lines);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const int64_t expected[7] = {0, 0, -9, -9, -9, -9, 0};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(scrollTop(r, i), expected[i]) << i;
        EXPECT_EQ(r.model(i)["lcdRow"], QJsonValue(-9)) << i;
        // Scrolled to the negative limit, the text starts nine rows lower.
        EXPECT_EQ(firstText(r, i)[2], QJsonValue(1000 - 200 * int(expected[i]))) << i;
    }
}

TEST(Scrolling, WithNoPageEveryButtonRedrawsAnEmptyLcd) {
    Sandbox box;
    const ScriptResult r = box.run({"click Command9", "dump", "click Command3", "dump", "click Command8", "dump"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(scrollTop(r, 0), -10);
    EXPECT_EQ(scrollTop(r, 1), -10);
    EXPECT_EQ(scrollTop(r, 2), 0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(r.dump(i)["draw"].toArray().size(), 2);
}

}  // namespace
}  // namespace sumire::apptest
