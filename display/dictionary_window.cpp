#include "display/dictionary_window.h"

#include "display/dictionary_window_object.h"
#include "framework/window_procedure.h"

namespace display {

void KESTR009(const dictionary::DictionaryModel& model, const std::string& path) {
    display::DictionaryWindowObject window(model, path);
    framework::RunProcedure(window);
}

}  // namespace display
