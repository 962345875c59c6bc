#include "text/ScanText.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace sumire {
namespace {

int64_t plainFind(const QString& text, int64_t p, const QString& needle) {
    if (p < 1) p = 1;
    if (p > text.size()) return 0;
    const qsizetype at = text.indexOf(needle, p - 1);
    return at < 0 ? 0 : at + 1;
}

TEST(ScanText, PositionsAreOneBased) {
    const ScanText t("From:x\r\n");
    EXPECT_EQ(t.at(1), u'F');
    EXPECT_EQ(t.at(0), 0);
    EXPECT_EQ(t.at(9), 0);
    EXPECT_TRUE(t.startsWith(1, u"From:"));
    EXPECT_FALSE(t.startsWith(2, u"From:"));
    EXPECT_FALSE(t.startsWith(5, u":x\r\n\n"));  // would run past the end
    EXPECT_EQ(t.find(1, u'\r'), 7);
    QString value;
    EXPECT_TRUE(t.textUpTo(6, u'\r', &value));
    EXPECT_EQ(value, QString("x"));
    EXPECT_FALSE(t.textUpTo(8, u'\r', &value));
}

// Remembered answers must equal a plain search from the same position, in
// whatever order the positions come.
TEST(ScanText, RememberedSearchesEqualPlainSearches) {
    QRandomGenerator random(7);
    const QString alphabet = "ab;>\r\nQk-";
    for (int round = 0; round < 200; ++round) {
        QString s;
        for (int i = int(random.bounded(60)); i > 0; --i) s += alphabet[random.bounded(alphabet.size())];
        const ScanText t(s);
        for (int q = 0; q < 50; ++q) {
            const int64_t p = random.bounded(-2, int(s.size()) + 3);
            const QString needle = q % 3 == 0 ? QString("Qk") : QString(alphabet[random.bounded(6)]);
            ASSERT_EQ(t.find(p, needle), plainFind(s, p, needle)) << s.toStdString() << " p=" << p;
        }
    }
}

}  // namespace
}  // namespace sumire
