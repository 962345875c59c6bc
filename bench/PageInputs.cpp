#include "PageInputs.h"

namespace sumire::bench {
namespace {

QString repeatedTo(const QString& unit, int codeUnits) {
    return unit.repeated(codeUnits / unit.size() + 1).left(codeUnits);
}

}  // namespace

QString plainJapanesePage(int codeUnits) {
    return repeatedTo(QString::fromUtf8("今日は良い天気です。明日も晴れるでしょう。\r\n"
                                        "Ｈ”ＬＩＮＫのページを表示します。abc 123\r\n"),
                      codeUnits);
}

QString densePage(int codeUnits) {
    // Links are header lines: the body starts after the last one.
    QString links;
    for (int i = 0; i < 1000; ++i)
        links += "SEL=" + QString::number(i) + ";http://127.0.0.1/p" + QString::number(i) + ".txt>\r\n.";
    const QString body = QString::fromUtf8(
        "<C=FF0000>赤<#HEART></C> <BL>点滅<#STAR></BL>\r\n"
        "<C=00FF00>緑</C><#TELEPHONE><#!!> ｱｲｳ <IMG=\"a.bmp\">\r\n");
    const QString head = "<BODY=000000 BG=FFFFFF>\r\n" + links + "\r\n";
    return head + repeatedTo(body, codeUnits - int(head.size()));
}

QString noLineBreakPage(int codeUnits) {
    return repeatedTo(QString::fromUtf8("今日は良い天気です。明日も晴れるでしょう。"
                                        "Ｈ”ＬＩＮＫのページを表示します。abc 123 "),
                      codeUnits);
}

std::vector<std::pair<QString, QString>> hostilePages(int n) {
    return {
        {"From_no_line_end", repeatedTo("From:", n)},
        {"SEL_no_semicolon", repeatedTo("SEL=", n)},
        {"SEL_no_bracket", repeatedTo("SEL=;", n)},
        {"stream_no_quote", repeatedTo("stream;name=", n)},
        {"BODY_no_BG", repeatedTo("<BODY=", n)},
        {"IMG_no_quote", "<BODY=000000 BG=FFFFFF>\r\n" + repeatedTo("<IMG=", n)},
        {"emoji_fragments", repeatedTo("<#<#HEAR<C=", n)},
        {"lone_carriage_returns", repeatedTo("\r", n)},
        {"image_markers", "<BODY=000000 BG=FFFFFF>\r\n" + repeatedTo("<IMG=\"x\">", n)},
        {"blink_markers", "<BODY=000000 BG=FFFFFF>\r\n" + repeatedTo("<BL>", n)},
    };
}

}  // namespace sumire::bench
