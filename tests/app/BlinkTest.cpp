// The blink timer through the script interface: a tick flips the phase and
// redraws; the timer runs only while a blink run is on the screen.

#include "OfflinePage.h"
#include "ScriptRun.h"

#include <gtest/gtest.h>

namespace sumire::apptest {
namespace {

// The colour the character `ch` was drawn in, or -1.
int colourOf(const QJsonObject& dump, char16_t ch) {
    for (const QJsonArray& op : drawOps(dump, "text"))
        if (op[3].toInt() == ch) return op[4].toInt();
    return -1;
}

TEST(Blink, TicksFlipThePhaseAndHideAndShowTheRun) {
    Sandbox box;
    const ScriptResult r = box.run(showOffline("<BODY=0000FF BG=00FF00>\r\n<BL>blink</BL>rest") +
                                   QStringList{"dump", "tick", "dump", "tick", "dump"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const int blue = 0xFF0000, green = 0x00FF00;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(r.dump(i)["Timer1"], QJsonValue(true)) << i;
        EXPECT_EQ(r.dump(i)["AutoRedraw"], QJsonValue(false)) << i;
        EXPECT_EQ(colourOf(r.dump(i), u'r'), blue) << i;  // after the run: unchanged
    }
    EXPECT_EQ(r.model(0)["blinkPhase"], QJsonValue(0));
    EXPECT_EQ(colourOf(r.dump(0), u'b'), blue);
    EXPECT_EQ(r.model(1)["blinkPhase"], QJsonValue(1));
    EXPECT_EQ(colourOf(r.dump(1), u'b'), green);  // hidden in the background colour
    EXPECT_EQ(r.model(2)["blinkPhase"], QJsonValue(0));
    EXPECT_EQ(colourOf(r.dump(2), u'b'), blue);
}

TEST(Blink, TimerStopsWhenTheRunLeavesTheScreenAndOnAPageWithout) {
    Sandbox box;
    QString page = "<BL>x</BL>\r\n";
    for (int i = 0; i < 30; ++i) page += "row\r\n";
    const QStringList scrolled = {"dump", "click Command9", "dump", "tick", "dump", "click Command8", "dump"};
    const QStringList steady = {"set Text2 no blinking here", "click Command1", "dump", "tick", "dump"};
    const ScriptResult r = box.run(showOffline(page) + scrolled + steady);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    ASSERT_EQ(r.dumps.size(), 6);
    EXPECT_EQ(r.dump(0)["Timer1"], QJsonValue(true));
    EXPECT_EQ(r.dump(1)["Timer1"], QJsonValue(false));  // scrolled out of view
    EXPECT_EQ(r.dump(1)["AutoRedraw"], QJsonValue(true));
    EXPECT_EQ(r.model(2)["blinkPhase"], r.model(1)["blinkPhase"]);  // a tick of a stopped timer does nothing
    EXPECT_EQ(r.dump(2)["draw"], r.dump(1)["draw"]);
    EXPECT_EQ(r.dump(3)["Timer1"], QJsonValue(true));  // scrolled back
    EXPECT_EQ(r.dump(4)["Timer1"], QJsonValue(false));
    EXPECT_EQ(r.model(5)["blinkPhase"], r.model(4)["blinkPhase"]);
}

}  // namespace
}  // namespace sumire::apptest
