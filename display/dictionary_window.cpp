#include "display/dictionary_window.h"

#include <utility>

#include "display/dictionary_window_object.h"
#include "framework/window_procedure.h"

namespace display {

void KESTR009(const dictionary::DictionaryModel* model, std::string path) {
    display::DictionaryWindowObject window(model, std::move(path));
    framework::RunProcedure(window);
}

}  // namespace display
