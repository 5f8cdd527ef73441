// The dictionary model as JSON: one object whose members are the model's
// fields, every row an object keyed by its field names.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "dictionary/model.h"

namespace dictionary {

// Receives the JSON text piece by piece, in order.
using JsonSink = std::function<void(std::string_view)>;

// Writes the model as JSON (UTF-8, indented, ending in a line feed). A null
// text or list is null, a list of text lines an array of strings, a flag 0
// or 1, a number a number, a fixed-length text as stored (padded).
void WriteModelJson(const DictionaryModel& model, const JsonSink& sink);

// The model's JSON as one string.
std::string ModelToJson(const DictionaryModel& model);

// Appends `text` (Windows-1252) to `out` as a JSON string literal in UTF-8.
void AppendJsonString(std::string& out, std::string_view text);

}  // namespace dictionary
