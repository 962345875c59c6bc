// The export shows a private-use code without a design as the window does:
// its mark, a picture of the archive's own, in the cells the code takes.

#include "ExportFiles.h"
#include "art/Pictographs.h"

#include <QImage>
#include <gtest/gtest.h>

namespace sumire {
namespace {

using namespace exporttest;

// The mark's picture: `width` x 12, the set dots in `ink`, the rest clear.
void expectMarkPicture(const QString& path, char16_t ch, int cells, QRgb ink) {
    const QImage image(path);
    ASSERT_FALSE(image.isNull()) << path.toStdString();
    ASSERT_EQ(image.size(), QSize(markWidth(cells), kMarkHeight));
    int dots = 0;
    for (int y = 0; y < kMarkHeight; ++y)
        for (int x = 0; x < markWidth(cells); ++x) {
            const bool set = markDot(ch, cells, x, y);
            dots += set;
            EXPECT_EQ(image.pixel(x, y), set ? (ink | 0xFF000000u) : 0u) << path.toStdString() << " " << x << "," << y;
        }
    EXPECT_GT(dots, 20);
}

TEST(CodeMarks, EachCodeWithoutADesignGetsItsMarkInItsCells) {
    QTemporaryDir dir;
    // Shift_JIS F0A0 (U+E05F) in red and F8A0 (U+E63F); UTF-8 U+E800, one cell.
    writeFile(dir.filePath("sjis.txt"),
              "<C=FF0000>\xF0\xA0</C>\xF8\xA0"
              "A\r\n");
    writeFile(dir.filePath("utf8.txt"),
              "a\xEE\xA0\x80"
              "b\r\n");
    ExportOptions o;
    o.pages = {dir.filePath("sjis.txt"), dir.filePath("utf8.txt")};
    o.out = dir.filePath("out");
    const ExportRun run = exportPages(o);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();

    const QString sjis = readText(dir.filePath("out/sjis.html"));
    EXPECT_TRUE(sjis.contains("<b class=\"p qe05f-ff0000\" title=\"U+E05F\">[U+E05F]</b>")) << sjis.toStdString();
    EXPECT_TRUE(sjis.contains("<b class=\"p qe63f-000000\" title=\"U+E63F\">[U+E63F]</b><i>A</i>"))
        << sjis.toStdString();
    const QString sheet = readText(dir.filePath("out/assets/sumire.css"));
    for (const char* rule : {".qe05f-ff0000{background-image:url(p/e05f-ff0000.png)}",
                             ".qe63f-000000{background-image:url(p/e63f-000000.png)}",
                             ".qe800-000000{background-image:url(p/e800-000000.png)}"})
        EXPECT_TRUE(sheet.contains(rule)) << rule;
    expectMarkPicture(dir.filePath("out/assets/p/e05f-ff0000.png"), u'\uE05F', 2, qRgb(255, 0, 0));
    expectMarkPicture(dir.filePath("out/assets/p/e63f-000000.png"), u'\uE63F', 2, qRgb(0, 0, 0));

    const QString utf8 = readText(dir.filePath("out/utf8.html"));
    EXPECT_TRUE(utf8.contains("<i class=\"p qe800-000000 h\" title=\"U+E800\">[U+E800]</i><i>b</i>"))
        << utf8.toStdString();
    expectMarkPicture(dir.filePath("out/assets/p/e800-000000.png"), u'\uE800', 1, qRgb(0, 0, 0));
}

}  // namespace
}  // namespace sumire
