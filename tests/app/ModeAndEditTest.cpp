// Network and offline mode, and the edit commands on the page text box with
// the system clipboard, through the script interface.

#include "OfflinePage.h"
#include "ScriptRun.h"

#include <gtest/gtest.h>

namespace sumire::apptest {
namespace {

constexpr int kGrey = 12632256, kWhite = 16777215;

void expectOffline(const QJsonObject& d, bool offline) {
    const QJsonObject text1 = d["Text1"].toObject(), text2 = d["Text2"].toObject();
    const QJsonObject enabled = d["enabled"].toObject();
    EXPECT_EQ(d["checked"].toObject()["Menu002"], QJsonValue(!offline));
    EXPECT_EQ(d["checked"].toObject()["Menu003"], QJsonValue(offline));
    EXPECT_EQ(text1["text"], QJsonValue(""));
    EXPECT_EQ(text1["enabled"], QJsonValue(!offline));
    EXPECT_EQ(text1["back"], QJsonValue(offline ? kGrey : kWhite));
    EXPECT_EQ(text2["text"], QJsonValue(""));
    EXPECT_EQ(text2["readOnly"], QJsonValue(!offline));
    EXPECT_EQ(text2["back"], QJsonValue(offline ? kWhite : kGrey));
    EXPECT_EQ(enabled["Command4"], QJsonValue(!offline));
    for (const char* k :
         {"Command10", "Command13", "Command15", "Command16", "Menu10", "Menu006", "Menu007", "Menu008"})
        EXPECT_EQ(enabled[k], QJsonValue(offline)) << k;
    EXPECT_EQ(enabled["Command14"], QJsonValue(true));
    EXPECT_EQ(enabled["Menu005"], QJsonValue(true));
}

TEST(Mode, SwitchingClearsBothBoxesAndSetsTheCommands) {
    Sandbox box;
    const ScriptResult r = box.run({"set Text1 somewhere", "click Command12", "dump", "set Text2 page", "click Menu003",
                                    "dump", "click Command11", "dump", "click Menu002", "dump"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    expectOffline(r.dump(0), true);
    expectOffline(r.dump(1), true);  // the same mode again also empties the boxes
    expectOffline(r.dump(2), false);
    expectOffline(r.dump(3), false);
}

TEST(Mode, OfflinePageIsTheTextOfThePageBoxExactly) {
    Sandbox box;
    QStringList lines = showOffline("Subject: Local\r\nfirst\rover\nnext");
    lines << "dump";
    const ScriptResult r = box.run(lines);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.dump(0)["Text2"].toObject()["text"], QJsonValue("Subject: Local\r\nfirst\rover\nnext"));
    EXPECT_EQ(r.dump(0)["Label1(6)"], QJsonValue(" Local"));
    EXPECT_EQ(r.model(0)["lcdText"], QJsonValue("\nfirst\rover\nnext"));  // the body starts on the LF
}

TEST(Edit, CutCopyPasteAndDeleteActOnTheSelectionWithTheClipboard) {
    Sandbox box;
    const ScriptResult r = box.run({
        "click Menu003",
        "set Text2 abcde",
        "selectText Text2 1 3",
        "dump",
        "click Command13",  // cut
        "dump",
        "selectText Text2 2 0",
        "click Menu007",  // paste at the caret
        "dump",
        "selectText Text2 0 1",
        "click Command16",  // delete
        "dump",
        "selectText Text2 1 2",
        "click Command15",  // paste over a selection
        "dump",
        "selectText Text2 0 2",
        "click Menu005",  // copy
        "dump",
    });
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    auto text2 = [&](int i) { return r.dump(i)["Text2"].toObject(); };
    EXPECT_EQ(text2(0)["selStart"], QJsonValue(1));
    EXPECT_EQ(text2(0)["selLength"], QJsonValue(3));
    EXPECT_EQ(text2(1)["text"], QJsonValue("ae"));
    EXPECT_EQ(r.dump(1)["clipboard"], QJsonValue("bcd"));
    EXPECT_EQ(text2(2)["text"], QJsonValue("aebcd"));
    EXPECT_EQ(text2(2)["selStart"], QJsonValue(5));
    EXPECT_EQ(text2(2)["selLength"], QJsonValue(0));
    EXPECT_EQ(text2(3)["text"], QJsonValue("ebcd"));
    EXPECT_EQ(r.dump(3)["clipboard"], QJsonValue("bcd"));  // delete leaves the clipboard alone
    EXPECT_EQ(text2(4)["text"], QJsonValue("ebcdd"));
    EXPECT_EQ(text2(5)["text"], QJsonValue("ebcdd"));
    EXPECT_EQ(r.dump(5)["clipboard"], QJsonValue("eb"));
}

TEST(Edit, NetworkModeCopiesFromTheReadOnlyBoxAndIgnoresTheDisabledCommands) {
    Sandbox box;
    box.write("page.txt", "0123456789");
    const ScriptResult r = box.run({
        "set Text1 file://" + box.path("page.txt"),
        "click Command1",
        "selectText Text2 2 4",
        "click Menu006",  // cut: disabled in network mode
        "click Command16",
        "dump",
        "click Command14",
        "dump",
    });
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.dump(0)["Text2"].toObject()["text"], QJsonValue("0123456789"));
    EXPECT_EQ(r.dump(0)["clipboard"], QJsonValue(""));
    EXPECT_EQ(r.dump(1)["clipboard"], QJsonValue("2345"));
    EXPECT_EQ(r.dump(1)["Text2"].toObject()["text"], QJsonValue("0123456789"));
}

TEST(Edit, SelectionCountsLineBreaksAsTheyStandInTheText) {
    Sandbox box;
    const ScriptResult r =
        box.run({"click Menu003", "set Text2 ab\\r\\ncd\\nef", "selectText Text2 1 4", "click Menu006", "dump"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.dump(0)["clipboard"], QJsonValue("b\r\nc"));
    EXPECT_EQ(r.dump(0)["Text2"].toObject()["text"], QJsonValue("ad\nef"));
}

}  // namespace
}  // namespace sumire::apptest
