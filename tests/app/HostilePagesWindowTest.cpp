// Big and hostile pages through the window: each is put into Text2, shown
// with the go button and painted, and Text2 lays out a bounded amount of it
// however long the page or its lines are. Laying a page's one long line out
// in whole (a megabyte) cannot meet the ceiling. The times are measured in
// bench/.

#include "app/Form1.h"
#include "StartedWindow.h"
#include "app/SystemActions.h"
#include "app/Text2Box.h"
#include "support/HostilePages.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace sumire {
namespace {

constexpr int kPageLength = 1024 * 1024;
// What the box may lay out for one view: the paragraphs in view and those at
// the end that the scroll bar measures, each at most a paragraph and a piece.
constexpr int kLaidOutCeiling = 8 * (Text2Box::kParagraphUnits + Text2Box::kPieceUnits);

// The hostile pages, then big pages of plain text.
std::vector<test::HostilePage> pages() {
    const QString japanese = QString::fromUtf8("今日は良い天気です。明日も晴れるでしょう。");
    std::vector<test::HostilePage> all = test::hostilePages(kPageLength);
    all.push_back({"short Japanese lines", test::repeatedTo(japanese + "\r\n", kPageLength)});
    all.push_back({"Japanese without a line break", test::repeatedTo(japanese, kPageLength)});
    all.push_back({"words without a line break", test::repeatedTo("words and spaces ", kPageLength)});
    return all;
}

// Units of the paragraphs the box has laid out.
int64_t laidOutUnits(const Text2Box& box) {
    int64_t units = 0;
    for (QTextBlock b = box.document()->firstBlock(); b.isValid(); b = b.next())
        if (b.layout() && b.layout()->lineCount() > 0) units += b.length();
    return units;
}

class HostilePagesWindowTest : public testing::TestWithParam<int> {
protected:
    QTemporaryDir work;
    RecordingActions recorded;
    std::unique_ptr<Form1> form;

    void SetUp() override {
        form = apptest::startedWindow(work.path(), recorded);
        form->Menu003_Click();
    }
    void paint() {
        QCoreApplication::processEvents();
        form->repaint();
    }
};

TEST_P(HostilePagesWindowTest, LoadsDrawsAndScrollsLayingOutABoundedPart) {
    const auto [name, page] = pages()[size_t(GetParam())];
    Text2Box* box = form->controls().text2;
    box->setText(page);
    form->Command1_Click();
    paint();
    EXPECT_EQ(box->text(), page) << qPrintable(name);
    EXPECT_FALSE(form->lastDrawing().empty()) << qPrintable(name);
    EXPECT_LE(laidOutUnits(*box), kLaidOutCeiling) << qPrintable(name);

    // To the end with the scroll bar, and a character typed there.
    QScrollBar* bar = box->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0) << qPrintable(name);
    bar->setValue(bar->maximum());
    paint();
    EXPECT_LE(laidOutUnits(*box), 2 * kLaidOutCeiling) << qPrintable(name);
    box->setFocus();
    box->select(int(page.size()), 0);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(box, &press);
    paint();
    EXPECT_EQ(box->text(), page + "a") << qPrintable(name);
    EXPECT_EQ(box->selStart(), int(page.size()) + 1) << qPrintable(name);
    EXPECT_LE(laidOutUnits(*box), 3 * kLaidOutCeiling) << qPrintable(name);
}

INSTANTIATE_TEST_SUITE_P(Pages, HostilePagesWindowTest, testing::Range(0, int(pages().size())));

}  // namespace
}  // namespace sumire
