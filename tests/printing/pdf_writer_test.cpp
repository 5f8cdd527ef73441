// The PDF writer's document structure and its drawing of each operation.
#include "runtime/core/pdf_writer.h"

#include <gtest/gtest.h>

#include <regex>

namespace rt {
namespace {

bool Contains(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos;
}

TEST(PdfWriterTest, CrossReferencePointsAtEveryObject) {
    Page page;
    page.ops.push_back(TextOp(1000, 500, "Hello", {FontFace::Mono, 8, false}));
    const std::string pdf = PdfDocument({page, page});
    ASSERT_TRUE(pdf.starts_with("%PDF-1.4\n"));
    ASSERT_TRUE(pdf.ends_with("%%EOF\n"));
    const std::size_t startxref = pdf.rfind("startxref\n");
    ASSERT_NE(startxref, std::string::npos);
    const std::size_t xref = std::stoul(pdf.substr(startxref + 10));
    ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
    // 6 fixed objects and 2 per page.
    ASSERT_EQ(pdf.compare(xref + 5, 5, "0 11\n"), 0);
    std::size_t at = pdf.find('\n', xref + 10) + 1;  // past the free entry
    for (int object = 1; object <= 10; ++object, at += 20) {
        const std::size_t offset = std::stoul(pdf.substr(at, 10));
        EXPECT_EQ(pdf.compare(offset, std::to_string(object).size() + 6,
                              std::to_string(object) + " 0 obj"),
                  0)
            << object;
    }
    EXPECT_TRUE(Contains(pdf, "/Count 2"));
    EXPECT_TRUE(Contains(pdf, "/MediaBox [0 0 595.29 841.89]"));
}

TEST(PdfWriterTest, OperationsInPoints) {
    struct Case {
        DrawOp op;
        std::string drawn;
    };
    const Case cases[] = {
        {TextOp(1000, 500, "a(b)\\", {FontFace::Mono, 8, false}),
         "BT /F3 8 Tf 72 799.56 Td (a\\(b\\)\\\\) Tj ET"},
        {TextOp(0, 0, "\x8B\x97\x9B", {FontFace::Mono, 8, true}), "(\x8B\x97\x9B) Tj"},
        {TextOp(0, 0, "x", {FontFace::Sans, 12, true}), "/F2 12 Tf"},
        {TextOp(0, 0, "x", {FontFace::Sans, 8, false}, 500), "re W n"},
        {LineOp(1000, 1000, 6750, 0), "72 769.89 m 558 769.89 l S"},
        {BoxOp(1000, 1000, 1000, 500, kLightGrey), "0.753 0.753 0.753 rg\n72 733.89 72 36 re f"},
    };
    for (const Case& c : cases) {
        Page page;
        page.ops.push_back(c.op);
        EXPECT_TRUE(Contains(PdfDocument({page}), c.drawn)) << c.drawn;
    }
}

TEST(PdfWriterTest, AFailingSinkStopsTheWriter) {
    int calls = 0;
    PdfWriter pdf([&](std::string_view) { return ++calls < 3; });
    Page page;
    EXPECT_FALSE(pdf.AddPage(page));
    EXPECT_FALSE(pdf.Finish());
    EXPECT_EQ(calls, 3);
}

}  // namespace
}  // namespace rt
