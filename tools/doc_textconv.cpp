// kestrian-doc textconv: the dictionary as text, a line an object, for Git.
#include "tools/command_output.h"
#include "tools/doc_arguments.h"
#include "tools/doc_commands.h"
#include "workflow/dictionary_text.h"

namespace tools {

int RunTextconv(Args args) {
    const std::optional<ModelArguments> read = ReadTextconvArguments(args);
    if (!read) return kExitOk;
    auto model = LoadExportOrNothing(read->input);
    if (!model) return kExitBadInput;
    CommandOutput output("textconv");
    if (!output.Open("-")) return kExitOutputFailed;
    return output.Close(output.Write(workflow::DictionaryText(*model)));
}

}  // namespace tools
