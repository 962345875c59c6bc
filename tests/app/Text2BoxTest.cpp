// The page text box keeps its text exactly, line breaks included, while the
// editor shows each line break as one; selections and edits count in the
// units of the exact text.

#include "app/Text2Box.h"
#include "app/WindowLook.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace sumire {
namespace {

TEST(Text2Box, KeepsEveryKindOfLineBreakAsSet) {
    Text2Box box;
    const QString text = "a\r\nb\rc\nd\r\n\r\ne";
    box.setText(text);
    EXPECT_EQ(box.text(), text);
    EXPECT_EQ(box.toPlainText(), QString("a\nb\nc\nd\n\ne"));
    EXPECT_EQ(box.documentPosition(3), 2);  // 'b'
    EXPECT_EQ(box.documentPosition(2), 1);  // between CR and LF: on the line break
    EXPECT_EQ(box.textPosition(2), 3);
    EXPECT_EQ(box.textPosition(box.document()->characterCount() - 1), int(text.size()));
}

TEST(Text2Box, SelectionAndReplacementCountTextUnits) {
    Text2Box box;
    box.setText("ab\r\ncd");
    box.select(1, 4);
    EXPECT_EQ(box.selStart(), 1);
    EXPECT_EQ(box.selLength(), 4);
    EXPECT_EQ(box.selText(), QString("b\r\nc"));
    box.replaceSelection("XY");
    EXPECT_EQ(box.text(), QString("aXYd"));
    EXPECT_EQ(box.selStart(), 3);
    EXPECT_EQ(box.selLength(), 0);
    box.select(10, 5);  // clamped to the end
    EXPECT_EQ(box.selStart(), 4);
    EXPECT_EQ(box.selLength(), 0);
}

TEST(Text2Box, EditsMadeInTheEditorFollowIntoTheText) {
    Text2Box box;
    box.setText("one\r\ntwo\nthree");
    QTextCursor c(box.document());
    c.setPosition(5);  // after "t" of "two" in the editor
    c.insertText("X");
    EXPECT_EQ(box.text(), QString("one\r\ntXwo\nthree"));
    c.setPosition(3);
    c.setPosition(4, QTextCursor::KeepAnchor);  // the CR LF line break
    c.removeSelectedText();
    EXPECT_EQ(box.text(), QString("onetXwo\nthree"));
    c.insertBlock();  // Enter typed by the user
    EXPECT_EQ(box.text(), QString("one\r\ntXwo\nthree"));
    c.select(QTextCursor::Document);
    c.insertText("new");
    EXPECT_EQ(box.text(), QString("new"));
}

// A page with a line several pieces long between ordinary lines, and words
// near the cuts.
QString longLinePage() {
    QString line;
    for (int i = 0; line.size() < 3 * Text2Box::kPieceUnits + 100; ++i)
        line += QString::number(i % 10).repeated(i % 97 + 1) + (i % 3 ? "" : " ");
    return "first\r\n" + line + "\r\nsecond\nthird\r" + line.left(Text2Box::kPieceUnits + 7) + "\r\nend";
}

TEST(Text2BoxLongLines, TextAndPositionsStayExactAcrossTheCuts) {
    Text2Box box;
    const QString page = longLinePage();
    box.setText(page);
    EXPECT_EQ(box.text(), page);
    ASSERT_EQ(box.pieceBreaks().size(), 4u);  // three cuts in the long line, one in its copy
    QString shown = page;
    for (auto cut = box.pieceBreaks().rbegin(); cut != box.pieceBreaks().rend(); ++cut) shown.insert(*cut, '\n');
    shown.replace("\r\n", "\n").replace('\r', '\n');
    EXPECT_EQ(box.toPlainText(), shown);
    int pieceStart = 0;
    for (int cut : box.pieceBreaks()) {
        for (char lineEnd : {'\r', '\n'})
            pieceStart = std::max<int>(pieceStart, page.lastIndexOf(lineEnd, cut - 1) + 1);
        EXPECT_LE(cut - pieceStart, Text2Box::kPieceUnits);
        EXPECT_GT(cut - pieceStart, Text2Box::kPieceUnits - 64);  // after a space close before
        pieceStart = cut;
        EXPECT_EQ(box.textPosition(box.documentPosition(cut)), cut);
        EXPECT_EQ(box.textPosition(box.documentPosition(cut) - 1), cut);  // before the cut's break
    }
    for (int at = 0; at <= page.size(); at += 13) {
        if (at > 0 && page[at - 1] == '\r' && page[at] == '\n') continue;  // inside CR LF
        ASSERT_EQ(box.textPosition(box.documentPosition(at)), at) << at;
    }
    EXPECT_EQ(box.textPosition(box.document()->characterCount() - 1), int(page.size()));
}

TEST(Text2BoxLongLines, SelectionAndEditCommandsCountTextUnits) {
    Text2Box box;
    const QString page = longLinePage();
    box.setText(page);
    const int cut = box.pieceBreaks()[1];
    box.select(cut - 5, 10);
    EXPECT_EQ(box.selStart(), cut - 5);
    EXPECT_EQ(box.selLength(), 10);
    EXPECT_EQ(box.selText(), page.mid(cut - 5, 10));
    // The editor's own copy holds no break at the cut.
    box.copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), page.mid(cut - 5, 10));
    box.replaceSelection("XY");
    EXPECT_EQ(box.text(), page.left(cut - 5) + "XY" + page.mid(cut + 5));
    EXPECT_EQ(box.selStart(), cut - 3);
    EXPECT_EQ(box.selLength(), 0);
    box.select(0, int(page.size()));
    box.replaceSelection(QString());
    EXPECT_EQ(box.text(), QString());
    EXPECT_TRUE(box.pieceBreaks().empty());
}

TEST(Text2BoxLongLines, EditsInTheEditorAroundACutFollowIntoTheText) {
    Text2Box box;
    QString page = longLinePage();
    box.setText(page);
    const int cut = box.pieceBreaks()[0];
    const int breakAt = box.documentPosition(cut) - 1;  // the cut's break in the document
    QTextCursor c(box.document());
    c.setPosition(breakAt);  // before the break: the end of the first piece
    c.insertText("A");
    page.insert(cut, "A");
    EXPECT_EQ(box.text(), page);
    EXPECT_EQ(box.pieceBreaks()[0], cut + 1);
    c.setPosition(breakAt + 2);  // after the break: the start of the next piece
    c.insertText("B");
    page.insert(cut + 1, "B");
    EXPECT_EQ(box.text(), page);
    EXPECT_EQ(box.pieceBreaks()[0], cut + 1);
    // Deleting the cut's break joins the pieces and leaves the text alone.
    const size_t cuts = box.pieceBreaks().size();
    c.setPosition(breakAt + 2);  // the break, after "A"
    c.deletePreviousChar();
    EXPECT_EQ(box.text(), page);
    EXPECT_EQ(box.pieceBreaks().size(), cuts - 1);
    // Enter and a selection over the next cut replaced by typing.
    c.insertBlock();
    page.insert(cut + 1, "\r\n");
    EXPECT_EQ(box.text(), page);
    const int next = box.pieceBreaks()[0];
    c.setPosition(box.documentPosition(next) - 3);
    c.setPosition(box.documentPosition(next) + 3, QTextCursor::KeepAnchor);
    c.insertText("Z");
    page.replace(next - 2, 5, "Z");  // the break takes a document position
    EXPECT_EQ(box.text(), page);
    EXPECT_EQ(box.pieceBreaks().size(), cuts - 2);
    for (int at = 0; at <= page.size(); at += 7) {
        if (at > 0 && page[at - 1] == '\r' && page[at] == '\n') continue;
        ASSERT_EQ(box.textPosition(box.documentPosition(at)), at) << at;
    }
}

TEST(Text2BoxLongLines, ALongPasteIsCutLikeAPage) {
    Text2Box box;
    box.setText("ab");
    box.select(1, 0);
    QGuiApplication::clipboard()->setText(QString("x").repeated(2 * Text2Box::kPieceUnits) + "\ny");
    box.paste();
    EXPECT_EQ(box.text(), "a" + QString("x").repeated(2 * Text2Box::kPieceUnits) + "\r\nyb");
    EXPECT_EQ(box.selStart(), 2 * Text2Box::kPieceUnits + 4);
    EXPECT_EQ(box.pieceBreaks().size(), 2u);  // a line of 2 pieces and a unit
    for (QTextBlock b = box.document()->firstBlock(); b.isValid(); b = b.next())
        EXPECT_LE(b.length(), Text2Box::kParagraphUnits + Text2Box::kPieceUnits + 1);
}

// Lines gathered into paragraphs look exactly as a paragraph a line: the same
// picture at the top, the same lines when wrapped in whole, and a scroll bar
// no shorter.
TEST(Text2BoxLongLines, OrdinaryPagesLookAsWithAParagraphALine) {
    QString page;
    for (int i = 0; page.size() < 3 * Text2Box::kParagraphUnits; ++i)
        page +=
            QString::fromUtf8("行%1 今日は良い天気です。 words wrap at the width here\r\n").arg(i).left(10 + i % 60) +
            (i % 5 ? "\r\n" : "\n\r");
    Text2Box box;
    QPlainTextEdit plain;
    for (QPlainTextEdit* e : {static_cast<QPlainTextEdit*>(&box), &plain}) {
        e->setFont(windowFont(8.25));
        e->setGeometry(0, 0, 217, 321);
        e->show();
    }
    box.setText(page);
    plain.setPlainText(page);
    ASSERT_LT(box.document()->blockCount(), plain.document()->blockCount() / 10);
    QCoreApplication::processEvents();
    // Unlaid paragraphs count their lines of text, as unlaid paragraphs of
    // one line each do, so the bar is at least as long.
    EXPECT_GE(box.verticalScrollBar()->maximum(), plain.verticalScrollBar()->maximum());
    EXPECT_EQ(box.viewport()->grab().toImage(), plain.viewport()->grab().toImage());
    // Laid out in whole, both wrap into the same number of lines.
    for (QPlainTextEdit* e : {static_cast<QPlainTextEdit*>(&box), &plain})
        for (QTextBlock b = e->document()->firstBlock(); b.isValid(); b = b.next())
            e->document()->documentLayout()->blockBoundingRect(b);
    EXPECT_EQ(box.document()->lineCount(), plain.document()->lineCount());
    EXPECT_GT(plain.document()->lineCount(), plain.document()->blockCount());  // lines did wrap
}

}  // namespace
}  // namespace sumire
