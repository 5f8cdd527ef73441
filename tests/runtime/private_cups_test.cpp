// The private scheduler that printing tests print through: its queue is the
// system's default for Qt, and two painted pages arrive as one job.
#include "tests/support/private_cups.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstdio>

#include "runtime/gui/gui_thread.h"
#include "tests/support/gui_program.h"

namespace {

std::string TextOf(const std::string& pdf) {
    std::string text;
    if (FILE* pipe = ::popen(("pdftotext -layout '" + pdf + "' - 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        while (std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
            text.append(buffer, got);
        ::pclose(pipe);
    }
    return text;
}

TEST(PrivateCups, TwoPagesPaintedOnTheDefaultQueueArriveAsOneJob) {
    testsupport::PrivateCups cups;
    if (!cups.Ready()) GTEST_SKIP() << cups.Why();
    guitest::RunProgram([] {
        rt::gui::GuiInvoke([] {
            const QPrinterInfo queue = QPrinterInfo::defaultPrinter();
            EXPECT_EQ(queue.printerName(), testsupport::PrivateCups::kQueue);
            QPrinter printer(queue, QPrinter::HighResolution);
            QPainter painter;
            ASSERT_TRUE(painter.begin(&printer));
            painter.drawText(200, 200, "page one");
            printer.newPage();
            painter.drawText(200, 200, QString::fromUtf8("second \u2039\u2014\u203a"));
            painter.end();
        });
    });
    ASSERT_TRUE(cups.WaitForJobs(1));
    const std::string text = TextOf(cups.Jobs().front());
    EXPECT_NE(text.find("page one"), std::string::npos) << text;
    EXPECT_NE(text.find("second \u2039\u2014\u203a"), std::string::npos) << text;
}

}  // namespace
