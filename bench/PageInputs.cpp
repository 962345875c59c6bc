#include "PageInputs.h"

#include "support/HostilePages.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace sumire::bench {
using test::repeatedTo;

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

int runProgramBenchmarks(int argc, char** argv, void (*registerMore)()) {
    QCoreApplication app(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (registerMore) registerMore();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace sumire::bench
