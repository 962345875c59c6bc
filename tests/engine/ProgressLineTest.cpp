// The progress line as a terminal shows it: each text drawn over the last,
// and a message row that holds nothing of the line.

#include "text/ProgressLine.h"

#include <QTextStream>
#include <gtest/gtest.h>

namespace sumire {
namespace {

// What the terminal's row shows after `written`: a carriage return goes back
// to the start, and each character overwrites the one under the cursor.
QString rowShown(const QString& written) {
    QString row;
    qsizetype at = 0;
    for (QChar c : written) {
        if (c == u'\r') {
            at = 0;
            continue;
        }
        if (at < row.size()) row[at] = c;
        else row += c;
        ++at;
    }
    return row;
}

TEST(ProgressLine, AShorterTextLeavesNothingOfTheLongerOneOnTheRow) {
    QString written;
    QTextStream out(&written);
    ProgressLine line(out);
    line.show(QStringLiteral("export: 9/10, 100 pages/s"));
    line.show(QStringLiteral("export: 10/10, 99 pages/s"));
    line.show(QStringLiteral("export: 10/10, 9 pages/s"));
    out.flush();
    EXPECT_EQ(rowShown(written).trimmed().toStdString(), "export: 10/10, 9 pages/s");
    EXPECT_TRUE(line.shown());

    line.clear();
    out.flush();
    EXPECT_EQ(rowShown(written).trimmed().toStdString(), "");
    EXPECT_FALSE(line.shown());
    EXPECT_TRUE(written.endsWith(u'\r'));  // a message starts at the row's start
}

}  // namespace
}  // namespace sumire
