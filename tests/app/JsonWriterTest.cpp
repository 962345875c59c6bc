// The dump's JSON writer: keys in the order written, strings escaped so that
// every text, private-use characters and broken surrogates included, reads
// back as valid JSON.

#include "automation/JsonWriter.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace sumire {
namespace {

TEST(JsonWriter, KeepsKeyOrderAndNesting) {
    JsonWriter j;
    j.beginObject().field("z", 1).key("a").beginArray().value(true).null().value("x").endArray();
    j.key("m").beginObject().endObject().field("n", int64_t(-5)).endObject();
    EXPECT_EQ(j.text(), QByteArray(R"({"z":1,"a":[true,null,"x"],"m":{},"n":-5})"));
}

TEST(JsonWriter, EscapesControlPrivateUseAndLoneSurrogates) {
    const QString text =
        QString::fromUtf16(u"a\"b\\c\x01\r\n\uE000\u3042") + QChar(0xD83D) + QChar(0xDE00) + QChar(0xD800) + "z";
    const QByteArray quoted = JsonWriter::quote(text);
    EXPECT_EQ(quoted, QByteArray("\"a\\\"b\\\\c\\u0001\\u000d\\u000a\\ue000") + QString::fromUtf16(u"\u3042").toUtf8() +
                          QString::fromUtf16(u"\U0001F600").toUtf8() + "\\ud800z\"");
    const QByteArray doc = "{\"k\":" + JsonWriter::quote(QString::fromUtf16(u"\x01\uE05E\u3042")) + "}";
    QJsonParseError error;
    const QJsonObject parsed = QJsonDocument::fromJson(doc, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(parsed["k"].toString(), QString::fromUtf16(u"\x01\uE05E\u3042"));
}

}  // namespace
}  // namespace sumire
