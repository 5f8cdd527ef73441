#include "printing/print_options.h"

#include <memory>
#include <string_view>
#include <vector>

#include "dictionary/model.h"
#include "display/core/list_cells.h"
#include "framework/window_procedure.h"
#include "printing/core/printer_info.h"
#include "printing/report_window.h"
#include "runtime/dialogs.h"
#include "runtime/program_printer.h"
#include "runtime/text_measure.h"

namespace printing {
namespace {

namespace c = print_options;

// Dialog units beside the widest name, for the rounding of its measure.
constexpr int kNameMargin = 3;

class PrintOptionsWindow final : public framework::ProcedureWindow {
  public:
    PrintOptionsWindow(const dictionary::DictionaryModel& model, const std::string& path)
        : framework::ProcedureWindow(PrintOptionsLayout(), c::List), model_(model), path_(path) {}

    void FirstDisplay() override {
        WindowObject::FirstDisplay();
        printing::PrintFlags& flags = PrintOptionFlags();
        printing::DisabledBoxes disabled;
        disabled = printing::FillFilesToPrint(model_, flags, rows_);
        ShowList();
        const rt::WindowRef& w = Ref();
        if (disabled.keys) w.Enable(c::Keys, false);
        if (disabled.aliases) w.Enable(c::Aliases, false);
        if (disabled.relations) w.Enable(c::Relations, false);
        ShowFlags();
        TestPrint();
        FillPrinter();
    }

    std::uint8_t OnAccepted() override {
        printing::PrintFlags& flags = PrintOptionFlags();
        const rt::WindowRef& w = Ref();
        switch (Host().Control()) {
            case c::PrinterSetup:
                rt::ProgramPrinterDialog("Printer Setup", rt::PrinterDialogMode::Print);
                FillPrinter();
                break;
            case c::PageSetup:
                rt::ProgramPrinterDialog("Page Setup", rt::PrinterDialogMode::PageSetup);
                FillPrinter();
                break;
            case c::TitlePage:
                flags.PrintTitlePage = w.IsChecked(c::TitlePage);
                break;
            case c::Keys:
                flags.PrintKeys = w.IsChecked(c::Keys);
                break;
            case c::Relations:
                flags.PrintRelations = w.IsChecked(c::Relations);
                break;
            case c::Preview:
                flags.PrintPreview = w.IsChecked(c::Preview);
                break;
            case c::Summary:
                flags.PrintSummary = w.IsChecked(c::Summary);
                TestPrint();
                break;
            case c::Aliases:
                flags.PrintAliases = w.IsChecked(c::Aliases);
                printing::ApplyAliasesBox(rows_, flags);
                ShowMarks();
                TestPrint();
                break;
            case c::List:
                ReadMarks();
                printing::FollowAliasSelection(rows_, flags);
                w.SetChecked(c::Aliases, flags.PrintAliases);
                TestPrint();
                break;
            case c::Print:
                printRequested_ = true;
                Host().PostToWindow(rt::event::CloseWindow);
                break;
            case c::Close:
                Host().PostToWindow(rt::event::CloseWindow);
                break;
            default:
                break;
        }
        return WindowObject::OnAccepted();
    }

    std::uint8_t OnFieldEvent() override {
        if (Host().Control() != c::List || Host().Event() != rt::event::AlertKey ||
            Host().KeyCode() != rt::key::MouseRight)
            return WindowObject::OnFieldEvent();
        const printing::SelectionChoice choice =
            printing::ReadSelectionChoice(rt::RuntimePopup(printing::kSelectionMenu));
        if (choice == printing::SelectionChoice::Cancel) return framework::result::Finished;
        printing::SelectAll(rows_, PrintOptionFlags(),
                            choice == printing::SelectionChoice::SelectAll);
        ShowMarks();
        ShowFlags();
        TestPrint();
        return WindowObject::OnFieldEvent();
    }

    std::uint8_t Execute() override {
        const std::uint8_t outcome = WindowObject::Execute();
        Win().Close();
        if (printRequested_) {
            KESTR008(model_, path_, rows_, PrintOptionFlags());
        }
        return outcome;
    }

  private:
    const dictionary::DictionaryModel& model_;
    std::string path_;
    // The names in a column as wide as the widest of them, so that the list
    // scrolls sideways only for a name that does not fit.
    void ShowList() {
        auto rows = std::make_shared<rt::ListRows>();
        rows->reserve(rows_.size());
        std::vector<std::string_view> names;
        names.reserve(rows_.size());
        for (const printing::FilesToPrintRow& row : rows_) {
            rows->push_back({rt::ListCell{std::string(1, row.TYPE), {}},
                             rt::ListCell{std::string(row.NAME.Trimmed()), {}}});
            names.push_back(row.NAME.Trimmed());
        }
        const rt::TextMeasure measure = Ref().Measure();
        const int widest = display::WidestText(
            names, [&measure](std::string_view text) { return measure.Width(text); });
        Ref().SetLists({{c::List, std::move(rows), FilesListFormat(widest + kNameMargin), {}}});
        ShowMarks();
    }

    void ShowMarks() {
        std::vector<bool> marks;
        marks.reserve(rows_.size());
        for (const printing::FilesToPrintRow& row : rows_) marks.push_back(row.SELECTED != 0);
        Ref().SetListMarks(c::List, marks);
    }

    void ReadMarks() {
        const std::vector<bool> marks = Ref().ListMarks(c::List);
        for (std::size_t i = 0; i < rows_.size() && i < marks.size(); ++i)
            rows_[i].SELECTED = marks[i] ? 1 : 0;
    }

    void ShowFlags() {
        const printing::PrintFlags& flags = PrintOptionFlags();
        const rt::WindowRef& w = Ref();
        w.SetChecked(c::TitlePage, flags.PrintTitlePage);
        w.SetChecked(c::Summary, flags.PrintSummary);
        w.SetChecked(c::Aliases, flags.PrintAliases);
        w.SetChecked(c::Keys, flags.PrintKeys);
        w.SetChecked(c::Relations, flags.PrintRelations);
        w.SetChecked(c::Preview, flags.PrintPreview);
    }

    void TestPrint() { Ref().Enable(c::Print, printing::PrintEnabled(rows_, PrintOptionFlags())); }

    void FillPrinter() {
        const rt::PrinterState state = rt::ReadProgramPrinter();
        const printing::PrinterInfo info{state.name, state.port, state.paperCode, state.binCode,
                                         state.resolution};
        printing::FillPrinterTexts(info, texts_);
        const rt::WindowRef& w = Ref();
        w.SetText(c::PrinterName, texts_.name);
        w.SetText(c::PrinterPort, texts_.port);
        w.SetText(c::Paper, texts_.paper);
        w.SetText(c::Bin, texts_.bin);
        w.SetText(c::Resolution, texts_.resolution);
        Host().Display();
    }

    printing::FilesToPrint rows_;
    printing::PrinterTexts texts_;
    bool printRequested_ = false;
};

}  // namespace

printing::PrintFlags& PrintOptionFlags() {
    static printing::PrintFlags flags;
    return flags;
}

void KESTR004(const dictionary::DictionaryModel& model, const std::string& path) {
    PrintOptionsWindow window(model, path);
    framework::RunProcedure(window);
}

}  // namespace printing
