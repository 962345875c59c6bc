// The whole page on one tall screen: the same operations as the window at
// every scroll position, every row of the page, the LCD box stretched to it.

#include "display/LcdRenderer.h"
#include "display/WholePage.h"
#include "support/FakeWindow.h"

#include <gtest/gtest.h>

#include <map>

namespace sumire {
namespace {

using test::DrawOp;

PageModel pageOf(const QString& lcdText, int width = 0) {
    PageModel m;
    m.setDisplayWidth(kDisplayWidths[width]);
    m.backRed = m.backGreen = m.backBlue = 255;
    m.colorRed[0] = 200;
    m.colorBlue[1] = 150;
    m.lcdText = lcdText;
    return m;
}

// Text operations by page row: the window's rows are moved down by its
// scroll position, so both sides speak of the same page row.
std::multimap<int64_t, DrawOp> textByRow(const std::vector<DrawOp>& ops, const PageModel& m, int64_t scrollTop) {
    std::multimap<int64_t, DrawOp> rows;
    for (const DrawOp& op : ops) {
        if (op.kind != "text") continue;
        DrawOp moved = op;
        moved.values[1] += scrollTop * m.lineHeight;
        rows.emplace((moved.values[1] - kTextTop) / m.lineHeight, moved);
    }
    return rows;
}

std::vector<DrawOp> rowsOf(const std::multimap<int64_t, DrawOp>& byRow, int64_t from, int64_t to) {
    std::vector<DrawOp> ops;
    for (auto it = byRow.lower_bound(from); it != byRow.end() && it->first < to; ++it) ops.push_back(it->second);
    return ops;
}

QString longPage() {
    QString page;
    for (int i = 0; i < 37; ++i)
        page += QStringLiteral("行%1 abc").arg(i) +
                (i % 5 == 0 ? "\x02"
                              "色\x03"
                            : "") +
                "\r\n";
    page += QString(60, QChar(u'x'));  // wraps over four rows
    return page;
}

TEST(WholePage, CountsEveryRowOfThePage) {
    test::FakeSlots pictures;
    EXPECT_EQ(pageRowCount(pageOf(""), pictures), 0);
    EXPECT_EQ(pageRowCount(pageOf("a"), pictures), 1);
    EXPECT_EQ(pageRowCount(pageOf("a\r\n"), pictures), 1);
    EXPECT_EQ(pageRowCount(pageOf("a\r\nb"), pictures), 2);
    EXPECT_EQ(pageRowCount(pageOf(QString(18, 'x')), pictures), 1);
    EXPECT_EQ(pageRowCount(pageOf(QString(19, 'x')), pictures), 1);  // the 19th cell wraps
    EXPECT_EQ(pageRowCount(pageOf(QString(20, 'x')), pictures), 2);
    EXPECT_EQ(pageRowCount(pageOf(longPage()), pictures), 37 + 4);
    // Ten cells a line: the eight lines that reach the ninth cell wrap before
    // their line break, and the x's take nine cells a row.
    EXPECT_EQ(pageRowCount(pageOf(longPage(), 5), pictures), 29 + 8 * 2 + 7);
}

TEST(WholePage, EveryRowIsWhatTheWindowDrawsThere) {
    for (int width : {0, 3, 5}) {
        test::FakeSlots pictures;
        PageModel page = pageOf(longPage(), width);
        test::RecordingCanvas whole;
        const WholePage drawn = DrawWholePage(page, pictures, whole);
        ASSERT_EQ(drawn.rows, pageRowCount(page, pictures));
        const auto wholeRows = textByRow(whole.ops, page, 0);
        for (int64_t top = 0; top < drawn.rows; top += page.lineCount) {
            PageModel window = page;
            window.scrollTop = top;
            test::RecordingCanvas shown;
            DrawLcd(window, pictures, shown);
            const auto shownRows = rowsOf(textByRow(shown.ops, page, top), top, top + page.lineCount);
            ASSERT_FALSE(shownRows.empty());
            EXPECT_EQ(rowsOf(wholeRows, top, top + page.lineCount), shownRows) << "width " << width << " top " << top;
        }
    }
}

TEST(WholePage, StretchesTheLcdBoxToTheLastRow) {
    test::FakeSlots pictures;
    PageModel page = pageOf(longPage());
    test::RecordingCanvas whole;
    const WholePage drawn = DrawWholePage(page, pictures, whole);
    EXPECT_EQ(drawn.lcdBottom, kLcdBottom + (41 - 10) * 200);
    ASSERT_GE(whole.ops.size(), 2u);
    EXPECT_EQ(whole.ops[0], (DrawOp{"box", {kLcdLeft, kLcdTop, kLcdRight, drawn.lcdBottom, 16777215}}));
    EXPECT_EQ(whole.ops[1], (DrawOp{"frame", {kLcdLeft, kLcdTop, kLcdRight, drawn.lcdBottom, 0}}));
}

TEST(WholePage, AShortPageIsTheWindowItself) {
    test::FakeSlots pictures;
    PageModel page = pageOf(
        "<#>\x02"
        "short\x03\r\npage");
    test::RecordingCanvas whole, window;
    EXPECT_EQ(DrawWholePage(page, pictures, whole).rows, 10);
    DrawLcd(page, pictures, window);
    EXPECT_EQ(whole.ops, window.ops);
}

TEST(WholePage, PicturesBelowTheFirstScreenAreDrawnWithTheirRows) {
    test::FakeSlots pictures;
    pictures.boxes[0].height = 1096 * 3;  // twelve rows
    // The character after the slot digit is passed over, as in the window.
    PageModel page = pageOf(QString(12, QChar(u'\n')) +
                            "a\x01"
                            "0_b");
    test::RecordingCanvas whole;
    const WholePage drawn = DrawWholePage(page, pictures, whole);
    EXPECT_EQ(drawn.rows, pageRowCount(page, pictures));
    EXPECT_GT(drawn.rows, 12 + 12);
    int blts = 0;
    for (const DrawOp& op : whole.ops) blts += op.kind == "blt";
    EXPECT_EQ(blts, 1);
    EXPECT_EQ(whole.drawnText().right(1), QString("b"));
}

TEST(WholePage, DrawsInTheModelsBlinkPhase) {
    test::FakeSlots pictures;
    PageModel page = pageOf(QString(15, QChar(u'\n')) +
                            "\x04"
                            "on\x05");
    page.blinkPhase = 1;
    test::RecordingCanvas whole;
    const WholePage drawn = DrawWholePage(page, pictures, whole);
    ASSERT_EQ(whole.ops.back().kind, QString("text"));
    EXPECT_EQ(whole.ops.back().values[3], 16777215);  // hidden: drawn in the background colour
    EXPECT_TRUE(drawn.drawn.blinking);
}

}  // namespace
}  // namespace sumire
