// Fuzz target: an export of any bytes through the scanner, the parser, the
// model's JSON and the write-back of its release.
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "dictionary/model_json.h"
#include "dictionary/release_model.h"
#include "dictionary/scanner.h"
#include "dictionary/txd_parser.h"
#include "dictionary/writeback_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The scanner alone, with delimiters of its own taken from the input's
    // first line when that line is short.
    dictionary::Scanner scanner;
    const std::string_view firstLine = bytes.substr(0, bytes.find('\n'));
    scanner.Split(bytes);
    scanner.Split(bytes, firstLine.substr(0, 12), false);

    dictionary::DictionaryModel model;
    dictionary::ParseAll(model, bytes, "FUZZ.TXD");
    std::size_t jsonBytes = 0;
    dictionary::WriteModelJson(model,
                               [&jsonBytes](std::string_view piece) { jsonBytes += piece.size(); });

    const int sink = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    dictionary::WritebackFile out;
    out.Attach(sink);
    dictionary::ReleaseModelInto(model, out);
    out.Close();
    ::close(sink);
    return 0;
}
