#include <cstdio>

#include "dictionary/labels.h"
#include "runtime/core/joined.h"
#include "tools/doc_commands.h"

namespace tools {

std::optional<std::size_t> ChooseSelected(std::string_view command, const std::string& input,
                                          const std::vector<std::string_view>& labels,
                                          const std::string& wanted) {
    const dictionary::LabelChoice choice = dictionary::ChooseLabel(labels, wanted);
    switch (choice.outcome) {
        case dictionary::LabelChoice::Outcome::Exact:
        case dictionary::LabelChoice::Outcome::CaseOnly:
            return choice.position;
        case dictionary::LabelChoice::Outcome::Ambiguous:
            std::fprintf(stderr,
                         "kestrian-doc: %.*s: %s has no file or alias named %s, and several "
                         "in another letter case: %s\n",
                         static_cast<int>(command.size()), command.data(), input.c_str(),
                         wanted.c_str(), rt::Joined(choice.candidates, ", ").c_str());
            return std::nullopt;
        case dictionary::LabelChoice::Outcome::None:
            break;
    }
    std::fprintf(stderr, "kestrian-doc: %.*s: %s has no file or alias named %s\n",
                 static_cast<int>(command.size()), command.data(), input.c_str(), wanted.c_str());
    return std::nullopt;
}

}  // namespace tools
