// Releasing a dictionary model: the model is written out as a dictionary text
// export, "TEST.TXD", and every text, list and annotation object is freed.
#pragma once

#include <string>
#include <string_view>

#include "dictionary/model.h"

namespace dictionary {

class WritebackFile;

// The name of the export written at every release.
inline constexpr std::string_view kReleaseExportName = "TEST.TXD";

// Writes the model to "TEST.TXD" in the current directory, replacing an old
// one, and frees it: afterwards every text and list of the model is null.
// Nothing is reported; when the file cannot be written the lines are lost and
// the release completes all the same.
void ReleaseModel(DictionaryModel& model);

// The same, writing the export to `path` instead.
void ReleaseModelTo(DictionaryModel& model, const std::string& path);

// The same, writing through `out`, which must be open and is left open.
// Write errors are ignored.
void ReleaseModelInto(DictionaryModel& model, WritebackFile& out);

}  // namespace dictionary
