// Pages built to make a scan or a drawing pass slow: each must still take
// work linear in its length. The searches' and copies' work is counted, so a
// quadratic pass fails here however fast the machine; the times are measured
// in bench/.

#include "display/LcdRenderer.h"
#include "page/LocalFetcher.h"
#include "page/PageRequest.h"
#include "support/FakeWindow.h"
#include "support/HostilePages.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire {
namespace {

constexpr int kPageLength = 1024 * 1024;

class HostilePagesTest : public ::testing::TestWithParam<int> {};

TEST_P(HostilePagesTest, RequestAndDrawingStayLinear) {
    const test::HostilePage page = test::hostilePages(kPageLength)[size_t(GetParam())];
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
    EXPECT_LE(outcome.scanWork, 24 * int64_t(page.text.size())) << qPrintable(page.name);
    model.scrollTop = model.lcdRow;  // the last screen, after measuring every row
    DrawLcd(model, pictures, canvas);
    EXPECT_TRUE(host.goEnabled);
    EXPECT_LE(model.lcdText.size(), page.text.size());
}

INSTANTIATE_TEST_SUITE_P(Pages, HostilePagesTest, ::testing::Range(0, int(test::hostilePages(1).size())));

}  // namespace
}  // namespace sumire
