#pragma once
// Pages built to make a scan or a drawing pass slow, shared by the tests of
// the engine and the window and by the benchmarks: long runs of a tag's start
// that never ends, each about `length` code units long.

#include <QString>
#include <vector>

namespace sumire::test {

struct HostilePage {
    QString name;
    QString text;
};

inline QString repeatedTo(const QString& unit, int length) {
    return unit.repeated(length / unit.size() + 1).left(length);
}

inline std::vector<HostilePage> hostilePages(int length) {
    const QString body = "<BODY=000000 BG=FFFFFF>\r\n";
    return {
        {"From without a line end", repeatedTo("From:", length)},
        {"Subject without a line end", repeatedTo("Subject: a b", length)},
        {"SEL without a semicolon", repeatedTo("SEL=", length)},
        {"SEL without a closing bracket", repeatedTo("SEL=1;", length)},
        {"SEL with an empty key, without a closing bracket", repeatedTo("SEL=;", length)},
        {"stream names without a quote", repeatedTo("stream;name=", length)},
        {"stream names, one quote at the end", repeatedTo("stream;name=x", length) + "\""},
        {"Append names, one quote at the end", repeatedTo("Append:Name=x", length) + "\""},
        {"stream without Qk", repeatedTo("stream;name=\"a.bmp\"", length)},
        {"Qk without a boundary", repeatedTo("stream;name=\"a.bmp\"Qk", length)},
        {"BODY without BG", repeatedTo("<BODY=", length)},
        {"IMG without a quote", body + repeatedTo("<IMG=", length)},
        {"IMG names, one quote at the end", body + repeatedTo("<IMG=\"", length) + "\""},
        {"emoji and colour fragments", body + repeatedTo("<#<#HEAR<C=<#", length)},
        {"emoji and colour fragments without a BODY line", repeatedTo("<#<#HEAR<C=", length)},
        {"lone carriage returns", repeatedTo("\r", length)},
        {"image markers", body + repeatedTo("<IMG=\"x\">", length)},
        {"blink markers", body + repeatedTo("<BL>", length)},
    };
}

}  // namespace sumire::test
