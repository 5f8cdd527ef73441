#include "app/program_arguments.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <vector>

#include "runtime/core/version.h"

namespace app {

ProgramArguments ReadProgramArguments(std::span<const std::string_view> words) {
    ProgramArguments result;
    CLI::App app{
        "Browse and print a Velmora data dictionary: a text export (.TXD), or a .DCT that the "
        "Velmora IDE exports. Without FILE the frame opens empty; with FILE that dictionary is "
        "opened at start, as File > Open would.",
        "kestrian"};
    app.add_option("FILE", result.dictionary, "the dictionary to open (.TXD or .DCT)");
    bool version = false;
    app.add_flag("--version", version, "print the version and exit");
    std::vector<std::string> reversed(words.rbegin(), words.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        return {ProgramArguments::Action::Show, {}, app.help()};
    } catch (const CLI::ParseError& error) {
        return {ProgramArguments::Action::Refuse,
                {},
                "kestrian: " + std::string(error.what()) +
                    "\nusage: kestrian [FILE.TXD | FILE.DCT] | --help | --version\n"};
    }
    if (version) {
        return {ProgramArguments::Action::Show,
                {},
                "kestrian " + std::string(rt::ProgramVersion()) + "\n"};
    }
    if (!result.dictionary.empty()) {
        std::error_code ignored;
        const std::filesystem::path absolute =
            std::filesystem::absolute(result.dictionary, ignored);
        if (!absolute.empty()) result.dictionary = absolute.lexically_normal().string();
    }
    return result;
}

}  // namespace app
