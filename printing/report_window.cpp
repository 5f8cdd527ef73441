#include "printing/report_window.h"

#include <chrono>
#include <optional>

#include "framework/window_procedure.h"
#include "printing/core/dictionary_report.h"
#include "printing/preview_window.h"
#include "runtime/core/date_pictures.h"
#include "runtime/core/dates.h"
#include "runtime/core/program_title.h"
#include "runtime/dialogs.h"
#include "runtime/page_images.h"
#include "runtime/program_printer.h"

namespace printing {
namespace {

// One entry per tick, the tick as fine as the parse window's, so that a
// large dictionary prints quickly with Esc looked at between entries.
constexpr std::chrono::microseconds kTick{500};
constexpr int kPrintedDatePicture = 7;
constexpr int kPrintedTimePicture = 6;
constexpr const char* kJobName = "Velmora Data Dictionary";

rt::Layout ReportLayout() {
    rt::Layout layout;
    layout.label = "KESTR008";
    layout.kind = rt::WindowKind::MdiChild;
    layout.title = "Printing";
    layout.width = 129;
    layout.height = 26;
    layout.resizable = false;
    layout.controls = {
        rt::MakeControl(report_window::Preparing, rt::ControlKind::String,
                        "Preparing Report: Please wait...", 10, 4),
        rt::MakeControl(report_window::PressEsc, rt::ControlKind::String, "(Press Esc to abort)",
                        35, 13),
    };
    return layout;
}

std::string PrintedAt() {
    return rt::FormatDate(rt::Today(), kPrintedDatePicture) + " " +
           rt::FormatTime(rt::Clock(), kPrintedTimePicture);
}

class ReportWindowObject final : public framework::ProcedureWindow {
  public:
    ReportWindowObject(const dictionary::DictionaryModel& model, const std::string& path,
                       const printing::FilesToPrint& files, printing::PrintFlags flags)
        : framework::ProcedureWindow(ReportLayout(), 0),
          model_(model),
          path_(path),
          files_(files),
          flags_(flags) {}

    void Prepare() override {
        if (!pages_.Ok()) return Stop();
        const rt::PrinterState printer = rt::ReadProgramPrinter();
        printing::ReportSettings settings;
        settings.dictionaryPath = path_;
        settings.printedAt = PrintedAt();
        settings.titleText = rt::kProgramTitle;
        settings.metrics = printing::MetricsForSheet(printer.sheetWidth, printer.sheetHeight);
        report_.emplace(model_, files_, flags_, std::move(settings),
                        [this](printing::ReportPage&& page) {
                            if (!pages_.Add(page.drawing)) pagesLost_ = true;
                            drawings_.push_back(std::move(page.drawing));
                        });
        if (!report_->Start()) {
            report_.reset();  // no files: nothing is printed
            return Stop();
        }
        if (report_->EntryCount() == 0) return Stop();
        Win().SetTimerPeriod(kTick);
    }

    std::uint8_t OnWindowEvent() override {
        if (Host().Event() == rt::event::Timer && report_ && !stopped_) PrintNextEntry();
        return WindowObject::OnWindowEvent();
    }

    std::uint8_t Teardown() override {
        const rt::WindowRef frame = framework::FrameWindow();
        frame.SetStatus(1, "");
        frame.SetStatus(2, "");
        frame.Display();
        Win().SetTimer(0);
        Win().Close();
        if (report_) {
            report_->Finish();
            if (report_->Complete()) Deliver();
            report_.reset();
        }
        pages_.Clear();
        drawings_.clear();
        return WindowObject::Teardown();
    }

  private:
    const dictionary::DictionaryModel& model_;
    std::string path_;
    void Stop() {
        stopped_ = true;
        Host().PostToWindow(rt::event::CloseWindow);
    }

    void PrintNextEntry() {
        const bool more = report_->Step();
        if (const int percent = report_->Percent(); percent > 0) {
            const printing::ProgressStatus status = printing::ProgressStatusOf(percent);
            const rt::WindowRef frame = framework::FrameWindow();
            frame.SetStatus(2, status.percent);
            frame.SetStatus(1, status.bar);
            frame.Display();
        }
        if (!more) Stop();
    }

    // The finished report goes to the preview, whose answer decides, or
    // straight to the printer.
    void Deliver() {
        if (pagesLost_) {
            rt::Message("The report's pages could not be kept in " + pages_.Folder() +
                            "; nothing is printed.",
                        "Print", rt::Icon::Error);
            return;
        }
        if (pages_.Count() == 0) return;
        if (flags_.PrintPreview && !PreviewPages(pages_, 1, 1, 1)) return;
        rt::SendToProgramPrinter(drawings_, kJobName);
    }

    const printing::FilesToPrint& files_;
    printing::PrintFlags flags_;
    rt::PageImages pages_;            // what the preview shows
    std::vector<rt::Page> drawings_;  // what the printer gets: the same pages
    std::optional<printing::DictionaryReport> report_;
    bool stopped_ = false;
    bool pagesLost_ = false;
};

}  // namespace

void KESTR008(const dictionary::DictionaryModel& model, const std::string& path,
              printing::FilesToPrint& files, const printing::PrintFlags& flags) {
    ReportWindowObject window(model, path, files, flags);
    framework::RunProcedure(window);
}

}  // namespace printing
