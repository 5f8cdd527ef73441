#include "runtime/core/pdf_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

namespace rt {

namespace {

// Objects 1 to 6 are fixed; pages and their contents follow.
constexpr int kCatalogObject = 1;
constexpr int kPagesObject = 2;
constexpr int kFirstFontObject = 3;
constexpr int kFontCount = 4;

constexpr const char* kFontNames[kFontCount] = {"Helvetica", "Helvetica-Bold", "Courier",
                                                "Courier-Bold"};

int FontIndex(const FontSpec& font) {
    return (font.face == FontFace::Mono ? 2 : 0) + (font.bold ? 1 : 0);
}

// Thousandths of an inch as points, with two decimals.
void AppendPoints(std::string& out, long long units) {
    // points = units * 72 / 1000, kept in hundredths of a point
    long long hundredths = units * 72 / 10;
    if (hundredths < 0) {
        out += '-';
        hundredths = -hundredths;
    }
    char buffer[24];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, hundredths / 100);
    (void)error;
    out.append(buffer, end);
    const int fraction = static_cast<int>(hundredths % 100);
    if (fraction != 0) {
        out += '.';
        out += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) out += static_cast<char>('0' + fraction % 10);
    }
}

void AppendNumber(std::string& out, long long value) {
    char buffer[24];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)error;
    out.append(buffer, end);
}

void AppendColour(std::string& out, std::uint32_t rgb, const char* op) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.3g %.3g %.3g %s\n", ((rgb >> 16) & 0xFF) / 255.0,
                  ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, op);
    out += buffer;
}

// A PDF literal string of Windows-1252 bytes.
void AppendLiteral(std::string& out, std::string_view text) {
    out += '(';
    for (unsigned char c : text) {
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\%03o", c);
            out += buffer;
        } else {
            out += static_cast<char>(c);
        }
    }
    out += ')';
}

void AppendPoint(std::string& out, int x, int y, int pageHeight) {
    AppendPoints(out, x);
    out += ' ';
    AppendPoints(out, static_cast<long long>(pageHeight) - y);
    out += ' ';
}

void AppendOp(std::string& out, const DrawOp& op, int pageHeight) {
    switch (op.kind) {
        case DrawKind::Box:
            if (op.width <= 0 || op.height <= 0) return;
            AppendColour(out, op.colour, "rg");
            AppendPoint(out, op.x, op.y + op.height, pageHeight);
            AppendPoints(out, op.width);
            out += ' ';
            AppendPoints(out, op.height);
            out += " re f\n";
            return;
        case DrawKind::Line:
            AppendColour(out, op.colour, "RG");
            AppendPoint(out, op.x, op.y, pageHeight);
            out += "m ";
            AppendPoint(out, op.x + op.width, op.y + op.height, pageHeight);
            out += "l S\n";
            return;
        case DrawKind::Text: {
            if (op.text.empty()) return;
            const bool clipped = op.width > 0;
            if (clipped) {
                const int lineHeight = op.font.points * kUnitsPerInch / 72 * 3 / 2;
                out += "q ";
                AppendPoint(out, op.x, op.y + lineHeight, pageHeight);
                AppendPoints(out, op.width);
                out += ' ';
                AppendPoints(out, lineHeight);
                out += " re W n\n";
            }
            AppendColour(out, op.colour, "rg");
            out += "BT /F";
            AppendNumber(out, FontIndex(op.font) + 1);
            out += ' ';
            AppendNumber(out, op.font.points);
            out += " Tf ";
            AppendPoint(out, op.x, op.y + TextAscent(op.font), pageHeight);
            out += "Td ";
            AppendLiteral(out, op.text);
            out += " Tj ET\n";
            if (clipped) out += "Q\n";
            return;
        }
    }
}

}  // namespace

int TextAscent(const FontSpec& font) {
    // Eight tenths of the em: the ascent of the common report faces.
    return font.points * kUnitsPerInch * 8 / 720;
}

PdfWriter::PdfWriter(Sink sink) : sink_(std::move(sink)) {
    // A binary comment marks the file as binary for transfer programs.
    Emit("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    objectOffsets_.resize(kFirstFontObject + kFontCount - 1, 0);
    for (int f = 0; f < kFontCount; ++f) {
        BeginObject(kFirstFontObject + f);
        std::string font = "<< /Type /Font /Subtype /Type1 /BaseFont /";
        font += kFontNames[f];
        font += " /Encoding /WinAnsiEncoding >>\nendobj\n";
        Emit(font);
    }
}

int PdfWriter::NewObject() {
    objectOffsets_.push_back(0);
    return static_cast<int>(objectOffsets_.size());
}

void PdfWriter::Emit(std::string_view bytes) {
    if (failed_) return;
    if (!sink_(bytes)) {
        failed_ = true;
        return;
    }
    offset_ += bytes.size();
}

void PdfWriter::BeginObject(int number) {
    objectOffsets_[static_cast<std::size_t>(number - 1)] = offset_;
    std::string head;
    AppendNumber(head, number);
    head += " 0 obj\n";
    Emit(head);
}

bool PdfWriter::AddPage(const Page& page) {
    if (failed_) return false;
    content_.clear();
    content_ += "0.5 w\n";
    // A layout drawn smaller than made: its points scaled about the sheet's
    // bottom-left corner, from a layout as high as the sheet over the scale.
    int layoutHeight = page.height;
    if (page.scale > 0 && page.scale != 1.0) {
        char matrix[64];
        std::snprintf(matrix, sizeof matrix, "%.6f 0 0 %.6f 0 0 cm\n", page.scale, page.scale);
        content_ += matrix;
        layoutHeight = static_cast<int>(std::lround(page.height / page.scale));
    }
    for (const DrawOp& op : page.ops) AppendOp(content_, op, layoutHeight);

    const int contents = NewObject();
    BeginObject(contents);
    std::string head = "<< /Length ";
    AppendNumber(head, static_cast<long long>(content_.size()));
    head += " >>\nstream\n";
    Emit(head);
    Emit(content_);
    Emit("\nendstream\nendobj\n");

    const int pageObject = NewObject();
    BeginObject(pageObject);
    std::string dict = "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 ";
    AppendPoints(dict, page.width);
    dict += ' ';
    AppendPoints(dict, page.height);
    dict += "] /Resources << /Font <<";
    for (int f = 0; f < kFontCount; ++f) {
        dict += " /F";
        AppendNumber(dict, f + 1);
        dict += ' ';
        AppendNumber(dict, kFirstFontObject + f);
        dict += " 0 R";
    }
    dict += " >> >> /Contents ";
    AppendNumber(dict, contents);
    dict += " 0 R >>\nendobj\n";
    Emit(dict);
    pageObjects_.push_back(pageObject);
    return !failed_;
}

bool PdfWriter::Finish() {
    BeginObject(kCatalogObject);
    Emit("<< /Type /Catalog /Pages 2 0 R >>\nendobj\n");

    BeginObject(kPagesObject);
    std::string pages = "<< /Type /Pages /Kids [";
    for (int page : pageObjects_) {
        pages += ' ';
        AppendNumber(pages, page);
        pages += " 0 R";
    }
    pages += " ] /Count ";
    AppendNumber(pages, static_cast<long long>(pageObjects_.size()));
    pages += " >>\nendobj\n";
    Emit(pages);

    const std::uint64_t xref = offset_;
    std::string table = "xref\n0 ";
    AppendNumber(table, static_cast<long long>(objectOffsets_.size() + 1));
    table += "\n0000000000 65535 f \n";
    for (std::uint64_t at : objectOffsets_) {
        char line[24];
        std::snprintf(line, sizeof line, "%010llu 00000 n \n", static_cast<unsigned long long>(at));
        table += line;
    }
    table += "trailer\n<< /Size ";
    AppendNumber(table, static_cast<long long>(objectOffsets_.size() + 1));
    table += " /Root 1 0 R >>\nstartxref\n";
    AppendNumber(table, static_cast<long long>(xref));
    table += "\n%%EOF\n";
    Emit(table);
    return !failed_;
}

std::string PdfDocument(const std::vector<Page>& pages) {
    std::string out;
    PdfWriter pdf([&](std::string_view bytes) {
        out.append(bytes);
        return true;
    });
    for (const Page& page : pages) pdf.AddPage(page);
    pdf.Finish();
    return out;
}

}  // namespace rt
