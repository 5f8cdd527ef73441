// The stand-in dictionary window: what the loaded dictionary holds, in one
// line of text, until the full dictionary window takes its place.
#include "display/dictionary_window.h"

#include "dictionary/model.h"
#include "framework/globals.h"
#include "framework/window_procedure.h"
#include "runtime/program_threads.h"

namespace app {
namespace {

std::string Summary() {
    const dict::DictionaryModel* model = Model();
    if (model == nullptr) return "No dictionary";
    return std::to_string(dict::Rows(model->FILE).size()) + " files, " +
           std::to_string(dict::Rows(model->ALIAS).size()) + " aliases, " +
           std::to_string(dict::Rows(model->RELATION).size()) + " relations";
}

rt::Layout MinimalLayout() {
    rt::Layout layout;
    layout.label = "P1$DCTWINDOW";
    layout.kind = rt::WindowKind::MdiChild;
    layout.title = DictionaryPath.Get();
    layout.width = 240;
    layout.height = 40;
    rt::ControlDef heading;
    heading.number = 3;
    heading.kind = rt::ControlKind::String;
    heading.text = Summary();
    heading.x = 6;
    heading.y = 6;
    heading.width = 228;
    heading.height = 10;
    layout.controls.push_back(heading);
    return layout;
}

class MinimalWindowObject final : public ProcedureWindow {
  public:
    MinimalWindowObject() : ProcedureWindow(MinimalLayout(), 0) {}

    std::uint8_t Teardown() override {
        std::int32_t mine = rt::ThisThread();
        DisplayThread.compare_exchange_strong(mine, 0);
        return WindowObject::Teardown();
    }
};

}  // namespace

void KESTR009() {
    MinimalWindowObject window;
    RunProcedure(window);
}

}  // namespace app
