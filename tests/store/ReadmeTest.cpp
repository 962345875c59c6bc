// readme.txt, the user's guide the help menu opens: UTF-8, so that the
// desktop's editors show it, made from tools/readme/readme.utf8.txt and the
// table of pictographs, still in step with both, and naming every page tag the
// viewer understands with its nearest Unicode character.

#include "display/EmojiTags.h"
#include "display/PictographText.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <gtest/gtest.h>

namespace sumire {
namespace {

QByteArray readSource(const char* relative) {
    QFile f(QDir(SUMIRE_SOURCE_DIR).filePath(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString codePoints(const QString& text) {
    QStringList points;
    for (const char32_t c : text.toUcs4()) points << QStringLiteral("U+%1").arg(uint(c), 4, 16, QChar('0')).toUpper();
    return points.join(u' ');
}

// One line of the guide's list: the tag, the code point, the character, its name.
QString tableLine(int code) {
    const PictographEquivalent& e = pictographEquivalent(code);
    return QStringLiteral("    %1 %2 %3  %4").arg(e.tag, -14).arg(codePoints(e.unicode), -9).arg(e.unicode, e.name);
}

class Readme : public ::testing::Test {
protected:
    QByteArray bytes = readSource("readme.txt");
    QString text = QString::fromUtf8(bytes);
};

TEST_F(Readme, IsUtf8WithLineFeedsAndMatchesItsSourceAndTheTable) {
    ASSERT_FALSE(bytes.isEmpty());
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(bytes);
    EXPECT_FALSE(utf8.hasError()) << "readme.txt is not UTF-8";
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_FALSE(bytes.contains('\r'));
    EXPECT_TRUE(decoded.contains(QString::fromUtf8("絵文字タグの一覧")));

    QString source = QString::fromUtf8(readSource("tools/readme/readme.utf8.txt"));
    ASSERT_TRUE(source.contains("\n@pictographs@\n"));
    QString table;
    for (int code = 0; code < kPictographCount; ++code) table += tableLine(code) + u'\n';
    source.replace("@pictographs@\n", table);
    EXPECT_EQ(decoded, source) << "run tools/readme/make-readme.sh";
}

TEST_F(Readme, NamesThePageFormatAndEveryPictographTag) {
    for (const char* word :
         {"From:", "Subject:", "SEL=", "Append: Name=", "stream; Name=", "--VOV980907", "<BODY=", "BG=", "<C=", "</C>",
          "<BL>", "</BL>", "<IMG=", "bookmark.txt", "download", "readme.txt", "ありません", "をダウンロードしました。"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << word;
    const QStringList lines = text.split(u'\n');
    for (int code = 0; code < kPictographCount; ++code) {
        const QString tag = QStringLiteral("<#%1>").arg(QString::fromLatin1(kEmojiNames[code]));
        EXPECT_EQ(pictographEquivalent(code).tag, tag);
        EXPECT_TRUE(lines.contains(tableLine(code))) << qPrintable(tableLine(code));
    }
}

}  // namespace
}  // namespace sumire
