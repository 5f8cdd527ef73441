#include "runtime/program_printer.h"

#include <cups/cups.h>

#include <QBuffer>
#include <QDir>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>
#include <optional>

#include "runtime/core/printer_codes.h"
#include "runtime/core/safe_file.h"
#include "runtime/gui/gui_thread.h"
#include "runtime/gui/page_painter.h"
#include "runtime/text_codec.h"

namespace rt {
namespace {

constexpr const char* kPdfFileName = "Dictionary.pdf";

// GUI thread only, like the printer itself.
std::unique_ptr<QPrinter>& Slot() {
    static std::unique_ptr<QPrinter> printer;
    return printer;
}

// The device URI of a CUPS queue ("ipp://...", "usb://..."); blank when the
// scheduler does not say.
std::string DeviceUri(const QString& queue) {
    const QByteArray name = queue.toLocal8Bit();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (dest == nullptr) return {};
    const char* uri = cupsGetOption("device-uri", dest->num_options, dest->options);
    std::string out = uri != nullptr ? uri : "";
    cupsFreeDests(1, dest);
    return out;
}

bool PrintsToPdf(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat;
}

// Each page drawn from its sheet's corner, a page per sheet. The pages are
// painted from their operations: text stays text at any resolution.
bool PaintPages(QPainter& painter, QPagedPaintDevice& device, const std::vector<Page>& pages) {
    for (std::size_t n = 0; n < pages.size(); ++n) {
        if (n > 0 && !device.newPage()) return false;
        gui::PaintPage(painter, pages[n]);
    }
    return true;
}

// The pages as the bytes of one PDF document on the printer's paper.
QByteArray PdfBytes(const std::vector<Page>& pages, const std::string& jobName) {
    return gui::GuiCall<QByteArray>([&]() -> QByteArray {
        const QPrinter& printer = ProgramPrinter();
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(FromWin1252(jobName));
        writer.setResolution(printer.resolution() > 0 ? printer.resolution() : 1200);
        const QPageLayout layout = printer.pageLayout();
        writer.setPageLayout(
            QPageLayout(layout.pageSize(), layout.orientation(), QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer)) return {};
        const bool painted = PaintPages(painter, writer, pages);
        if (!painter.end() || !painted) return {};
        return bytes;
    });
}

// Writes the document to `path`; the reason in `why` when it cannot.
bool WriteFile(const std::string& path, const QByteArray& bytes, std::string& why) {
    FileReplacement file;
    if (file.Open(path) &&
        file.Write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))) &&
        file.Commit())
        return true;
    why = file.Reason().empty() ? "it cannot be written" : file.Reason();
    return false;
}

bool SendToPdfFile(const std::vector<Page>& pages, const std::string& jobName,
                   std::string proposal) {
    QByteArray bytes;
    for (;;) {
        OpenFileRequest request;
        request.title = "Print to File";
        request.filters = {{"PDF documents (*.pdf)", "*.pdf"}};
        request.initialPath = proposal;
        const std::optional<std::string> path = Dialogs().SaveFile(request);
        if (!path || path->empty()) return false;
        if (bytes.isEmpty()) bytes = PdfBytes(pages, jobName);
        if (bytes.isEmpty()) {
            Message("The report could not be made into a PDF document.", "Print", Icon::Error);
            return false;
        }
        std::string why;
        if (WriteFile(*path, bytes, why)) {
            gui::GuiInvoke(
                [&] { ProgramPrinter().setOutputFileName(QString::fromStdString(*path)); });
            return true;
        }
        Message("The report cannot be written to " + *path + ": " + why +
                    ".\nChoose another file; the report is kept until it is written.",
                "Print to File", Icon::Error);
        proposal = *path;
    }
}

}  // namespace

QPrinter& ProgramPrinter() {
    std::unique_ptr<QPrinter>& printer = Slot();
    if (printer) return *printer;
    QPrinterInfo queue = QPrinterInfo::defaultPrinter();
    if (queue.isNull()) {
        const QList<QPrinterInfo> queues = QPrinterInfo::availablePrinters();
        if (!queues.isEmpty()) queue = queues.front();
    }
    if (queue.isNull()) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QDir::current().absoluteFilePath(kPdfFileName));
    } else {
        printer = std::make_unique<QPrinter>(queue, QPrinter::HighResolution);
    }
    return *printer;
}

void ReleaseProgramPrinter() {
    Slot().reset();
}

PrinterState ReadProgramPrinter() {
    return gui::GuiCall<PrinterState>([]() -> PrinterState {
        QPrinter& printer = ProgramPrinter();
        PrinterState state;
        state.pdfFile = PrintsToPdf(printer);
        if (state.pdfFile) {
            state.name = kPdfPrinterName;
            state.port = printer.outputFileName().toStdString();
        } else {
            state.name = ToWin1252(printer.printerName());
            state.port = DeviceUri(printer.printerName());
        }
        const QPageLayout layout = printer.pageLayout();
        state.paperCode = layout.pageSize().windowsId();
        state.binCode = BinCodeOfPaperSource(static_cast<int>(printer.paperSource()));
        state.resolution = printer.resolution();
        const QRectF sheet = layout.fullRect(QPageLayout::Inch);
        state.sheetWidth = static_cast<int>(sheet.width() * 1000.0 + 0.5);
        state.sheetHeight = static_cast<int>(sheet.height() * 1000.0 + 0.5);
        return state;
    });
}

bool ProgramPrinterDialog(const std::string& caption, PrinterDialogMode mode) {
    return Dialogs().PrinterSetup(PrinterDialogRequest{caption, mode});
}

bool SendToProgramPrinter(const std::vector<Page>& pages, const std::string& jobName) {
    if (pages.empty()) return false;
    const PrinterState state = ReadProgramPrinter();
    if (state.pdfFile) return SendToPdfFile(pages, jobName, state.port);
    const bool printed = gui::GuiCall<bool>([&]() -> bool {
        QPrinter& printer = ProgramPrinter();
        printer.setDocName(FromWin1252(jobName));
        printer.setFullPage(true);  // pages are drawn from the sheet's corner
        QPainter painter;
        if (!painter.begin(&printer)) return false;
        const bool painted = PaintPages(painter, printer, pages);
        return painter.end() && painted;
    });
    if (!printed)
        Message("The report could not be sent to the printer " + state.name + ".", "Print",
                Icon::Error);
    return printed;
}

}  // namespace rt
