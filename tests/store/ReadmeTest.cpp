// readme.txt, the user's guide the help menu opens: UTF-8, so that the
// desktop's editors show it, made from tools/readme/readme.utf8.txt and the
// table of pictographs, still in step with both, and naming every page tag the
// viewer understands with its nearest Unicode character.

#include "display/EmojiTags.h"
#include "display/PictographText.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
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

// The two guides: the file, its source, and words each must hold.
struct Guide {
    const char* file;
    const char* source;
    const char* tableHeading;
    QList<const char*> words;
};
const QList<const char*> kFormatWords{
    "From:", "SEL=", "Append: Name=", "stream; Name=", "--VOV980907",  "<BODY=",   "BG=",        "<C=",
    "</C>",  "<BL>", "</BL>",         "<IMG=",         "bookmark.txt", "download", "readme.txt", "Subject:"};
const Guide kGuides[] = {
    {"readme.txt",
     "tools/readme/readme.utf8.txt",
     "絵文字タグの一覧",
     {"ありません", "をダウンロードしました。", "--lang"}},
    {"readme-en.txt",
     "tools/readme/readme-en.utf8.txt",
     "The pictograph tags",
     {"(none)", "was downloaded.", "--lang", "readme-en.txt", "Handset", "Display width", "Change phone", "URL", "Alt+",
      "Ctrl+Shift+C"}},
};

QString guideText(const Guide& guide) { return QString::fromUtf8(readSource(guide.file)); }

TEST(Readme, EachGuideIsUtf8WithLineFeedsAndMatchesItsSourceAndTheTable) {
    for (const Guide& guide : kGuides) {
        const QByteArray bytes = readSource(guide.file);
        ASSERT_FALSE(bytes.isEmpty()) << guide.file;
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString decoded = utf8(bytes);
        EXPECT_FALSE(utf8.hasError()) << guide.file << " is not UTF-8";
        EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF")) << guide.file;
        EXPECT_FALSE(bytes.contains('\r')) << guide.file;
        EXPECT_TRUE(decoded.contains(QString::fromUtf8(guide.tableHeading))) << guide.file;

        QString source = QString::fromUtf8(readSource(guide.source));
        ASSERT_TRUE(source.contains("\n@pictographs@\n")) << guide.source;
        QString table;
        for (int code = 0; code < kPictographCount; ++code) table += tableLine(code) + u'\n';
        source.replace("@pictographs@\n", table);
        EXPECT_EQ(decoded, source) << "run tools/readme/make-readme.sh";
    }
}

TEST(Readme, EachGuideNamesThePageFormatTheKeysAndEveryPictographTag) {
    for (const Guide& guide : kGuides) {
        const QString text = guideText(guide);
        for (const char* word : kFormatWords + guide.words)
            EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << guide.file << ": " << word;
        const QStringList lines = text.split(u'\n');
        for (int code = 0; code < kPictographCount; ++code) {
            const QString tag = QStringLiteral("<#%1>").arg(QString::fromLatin1(kEmojiNames[code]));
            EXPECT_EQ(pictographEquivalent(code).tag, tag);
            EXPECT_TRUE(lines.contains(tableLine(code))) << guide.file << ": " << qPrintable(tableLine(code));
        }
    }
}

// Every chapter of the Japanese guide has its English one, in the same order.
TEST(Readme, TheEnglishGuideHasEveryChapterOfTheJapanese) {
    static const QRegularExpression chapter(QStringLiteral("^ {0,2}(\\d+)\\. "), QRegularExpression::MultilineOption);
    QList<QStringList> numbers;
    for (const Guide& guide : kGuides) {
        QStringList found;
        for (auto m = chapter.globalMatch(guideText(guide)); m.hasNext();) found << m.next().captured(1);
        numbers << found;
    }
    EXPECT_GE(numbers[0].size(), 30);  // the contents and the chapters
    EXPECT_EQ(numbers[0], numbers[1]);
}

}  // namespace
}  // namespace sumire
