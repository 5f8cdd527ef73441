// The dictionary window: the loaded dictionary in four lists, shown on a
// thread of its own once a parse has completed.
#pragma once

#include <string>

#include "dictionary/model.h"

namespace display {

// Runs the dictionary window of `model`, read from the dictionary at `path`,
// until it closes. Started by the frame's dictionary
// lifecycle on a new program thread, which closes the window and waits for it
// before the model is released; it clears DisplayThread when it ends while
// still registered there.
void KESTR009(const dictionary::DictionaryModel& model, const std::string& path);

}  // namespace display
