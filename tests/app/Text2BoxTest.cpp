// The page text box keeps its text exactly, line breaks included, while the
// editor shows each line break as one; selections and edits count in the
// units of the exact text.

#include "Text2Box.h"

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

}  // namespace
}  // namespace sumire
