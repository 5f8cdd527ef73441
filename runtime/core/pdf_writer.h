// Writes pages of drawing operations as a PDF document, one page at a time.
//
//     PdfWriter pdf([&](std::string_view bytes) { return file.Write(bytes); });
//     for (const Page& page : pages) pdf.AddPage(page);
//     bool ok = pdf.Finish();
//
// Text uses the standard Type 1 fonts (Courier and Helvetica, regular and
// bold) with WinAnsiEncoding, so Windows-1252 bytes go in unchanged and need
// no embedded font. Each page keeps its own size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/core/page_drawing.h"

namespace rt {

class PdfWriter {
  public:
    // Receives the document's bytes in order; false stops the writer.
    using Sink = std::function<bool(std::string_view bytes)>;

    explicit PdfWriter(Sink sink);

    // Appends one page; false once the sink has failed.
    bool AddPage(const Page& page);
    // Writes the page tree, the cross-reference table and the trailer.
    // False when the sink failed at any point. Call once.
    bool Finish();

    std::size_t PageCount() const noexcept { return pageObjects_.size(); }

  private:
    int NewObject();
    void Emit(std::string_view bytes);
    void BeginObject(int number);

    Sink sink_;
    bool failed_ = false;
    std::uint64_t offset_ = 0;
    std::vector<std::uint64_t> objectOffsets_;  // index = object number - 1
    std::vector<int> pageObjects_;
    std::string content_;  // scratch for one page's content stream
};

// The baseline of text whose cell starts at the top: one ascent below it,
// in thousandths of an inch (shared with any other renderer of the pages).
int TextAscent(const FontSpec& font);

// The document as one string (tests, small outputs).
std::string PdfDocument(const std::vector<Page>& pages);

}  // namespace rt
