// Report pages drawn through a painter: page images in a private folder that
// goes with them, and text whose Windows-1252 arrows arrive as characters.
#include "runtime/page_images.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <cstdio>
#include <filesystem>

#include "runtime/gui/gui_thread.h"
#include "runtime/gui/page_painter.h"
#include "tests/support/gui_program.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

rt::Page SamplePage(const std::string& text) {
    rt::Page page;
    page.ops.push_back(rt::BoxOp(500, 500, 3000, 300, rt::kLightGrey));
    page.ops.push_back(rt::TextOp(500, 1000, text, {rt::FontFace::Mono, 10, false}));
    page.ops.push_back(rt::LineOp(500, 1500, 4000, 0));
    return page;
}

// The share of a region of the image that is not white.
double Ink(const QImage& image, const QRect& region) {
    int dark = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (qGray(image.pixel(x, y)) < 200) ++dark;
    return static_cast<double>(dark) / (region.width() * region.height());
}

TEST(PageImages, PagesAreKeptInAPrivateFolderThatGoesWithThem) {
    guitest::RunProgram([] {
        std::string folder;
        {
            rt::PageImages images;
            ASSERT_TRUE(images.Ok());
            folder = images.Folder();
            ASSERT_TRUE(images.Add(SamplePage("one")));
            ASSERT_TRUE(images.Add(SamplePage("two")));
            EXPECT_EQ(images.Count(), 2);
            EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator{}), 2);
            EXPECT_EQ(images.PageSize(1), QSizeF(rt::kA4Width, rt::kA4Height));

            // A page drawn at a tenth of its size: the grey box and the text
            // land where the page puts them.
            QImage image(827, 1169, QImage::Format_RGB32);
            image.fill(Qt::white);
            {
                QPainter painter(&image);
                images.Draw(painter, 2, QRectF(0, 0, 827, 1169));
            }
            EXPECT_GT(Ink(image, QRect(60, 55, 200, 20)), 0.9);   // the box
            EXPECT_GT(Ink(image, QRect(50, 100, 40, 15)), 0.02);  // the text
            EXPECT_EQ(Ink(image, QRect(600, 600, 100, 100)), 0.0);
            images.Clear();
            EXPECT_EQ(images.Count(), 0);
            EXPECT_TRUE(fs::is_empty(folder));
        }
        EXPECT_FALSE(fs::exists(folder));
    });
}

TEST(PagePainter, ArrowBytesArriveAsTheirCharacters) {
    dict_test::TempFolder folder;
    const std::string pdf = folder.File("page.pdf");
    guitest::RunProgram([&] {
        rt::gui::GuiInvoke([&] {
            QPdfWriter writer(QString::fromStdString(pdf));
            writer.setResolution(300);
            QPainter painter(&writer);
            rt::gui::PaintPage(painter, SamplePage("Orders \x8b\x97\x9b Customer"));
        });
    });
    std::string text;
    if (FILE* pipe = ::popen(("pdftotext '" + pdf + "' - 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        while (std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
            text.append(buffer, got);
        ::pclose(pipe);
    }
    EXPECT_NE(text.find("Orders \u2039\u2014\u203a Customer"), std::string::npos) << text;
}

}  // namespace
