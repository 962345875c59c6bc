// readme.txt, the user's guide the help menu opens: code page 932 with CR LF
// like the program's other files, made from tools/readme/readme.utf8.txt and
// still in step with it, and naming every page tag the viewer understands.

#include "display/EmojiTags.h"
#include "page/TextCodec.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace sumire {
namespace {

QByteArray readSource(const char* relative) {
    QFile f(QDir(SUMIRE_SOURCE_DIR).filePath(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Readme : public ::testing::Test {
protected:
    QByteArray bytes = readSource("readme.txt");
    QString text = decodeCp932(bytes);
};

TEST_F(Readme, IsCodePage932WithCrLfAndMatchesItsUtf8Source) {
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_FALSE(bytes.contains('?')) << "a character code page 932 has no code for";
    // Every line end is CR LF.
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\r'));
    EXPECT_EQ(encodeCp932(text), bytes);

    const QString source = QString::fromUtf8(readSource("tools/readme/readme.utf8.txt"));
    ASSERT_FALSE(source.isEmpty());
    EXPECT_EQ(QString(text).replace("\r\n", "\n"), source) << "run tools/readme/make-readme.sh";
}

TEST_F(Readme, NamesThePageFormatAndEveryPictographTag) {
    for (const char* word : {"From:", "Subject:", "SEL=", "Append: Name=", "stream; Name=", "--VOV980907",
                             "<BODY=", "BG=", "<C=", "</C>", "<BL>", "</BL>", "<IMG=", "bookmark.txt", "download",
                             "readme.txt", "ありません", "をダウンロードしました。"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << word;
    for (const char* name : kEmojiNames)
        EXPECT_TRUE(text.contains(QStringLiteral("<#%1>").arg(QString::fromLatin1(name)))) << name;
}

}  // namespace
}  // namespace sumire
