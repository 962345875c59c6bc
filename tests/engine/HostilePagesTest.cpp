// Pages built to make a scan or a drawing pass slow: each must still take
// work linear in its length. The searches' and copies' work is counted, so a
// quadratic pass fails here however fast the machine; the times are measured
// in bench/.

#include "display/LcdRenderer.h"
#include "page/LocalFetcher.h"
#include "page/PageRequest.h"
#include "support/FakeWindow.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire {
namespace {

constexpr int kPageLength = 1024 * 1024;

QString repeatedTo(const QString& unit, int length) { return unit.repeated(length / unit.size() + 1).left(length); }

struct HostilePage {
    const char* name;
    QString text;
};

std::vector<HostilePage> hostilePages() {
    const QString body = "<BODY=000000 BG=FFFFFF>\r\n";
    return {
        {"From without a line end", repeatedTo("From:", kPageLength)},
        {"Subject without a line end", repeatedTo("Subject: a b", kPageLength)},
        {"SEL without a semicolon", repeatedTo("SEL=", kPageLength)},
        {"SEL without a closing bracket", repeatedTo("SEL=1;", kPageLength)},
        {"stream names without a quote", repeatedTo("stream;name=", kPageLength)},
        {"stream names, one quote at the end", repeatedTo("stream;name=x", kPageLength) + "\""},
        {"Append names, one quote at the end", repeatedTo("Append:Name=x", kPageLength) + "\""},
        {"stream without Qk", repeatedTo("stream;name=\"a.bmp\"", kPageLength)},
        {"Qk without a boundary", repeatedTo("stream;name=\"a.bmp\"Qk", kPageLength)},
        {"BODY without BG", repeatedTo("<BODY=", kPageLength)},
        {"IMG without a quote", body + repeatedTo("<IMG=", kPageLength)},
        {"IMG names, one quote at the end", body + repeatedTo("<IMG=\"", kPageLength) + "\""},
        {"emoji and colour fragments", body + repeatedTo("<#<#HEAR<C=<#", kPageLength)},
        {"lone carriage returns", repeatedTo("\r", kPageLength)},
        {"image markers", body + repeatedTo("<IMG=\"x\">", kPageLength)},
        {"blink markers", body + repeatedTo("<BL>", kPageLength)},
    };
}

class HostilePagesTest : public ::testing::TestWithParam<int> {};

TEST_P(HostilePagesTest, RequestAndDrawingStayLinear) {
    const HostilePage page = hostilePages()[size_t(GetParam())];
    QTemporaryDir dir;
    test::FakeHost host;
    host.text1 = dir.filePath("page.txt");
    host.text2 = page.text;
    test::FakeSlots pictures;
    test::RecordingCanvas canvas;
    LocalFetcher fetcher;
    AttachmentFolder folder(dir.filePath("attachments"));
    PageModel model;
    PageServices services{host, pictures, fetcher, folder, canvas};

    const RequestOutcome outcome = runPageRequest(model, services);
    // Searches look at each code unit a few times; at most eleven attachment
    // names may each be copied from anywhere up to the end of the text.
    EXPECT_LE(outcome.scanWork, 24 * int64_t(page.text.size())) << page.name;
    model.scrollTop = model.lcdRow;  // the last screen, after measuring every row
    DrawLcd(model, pictures, canvas);
    EXPECT_TRUE(host.goEnabled);
    EXPECT_LE(model.lcdText.size(), page.text.size());
}

INSTANTIATE_TEST_SUITE_P(Pages, HostilePagesTest, ::testing::Range(0, int(hostilePages().size())));

}  // namespace
}  // namespace sumire
