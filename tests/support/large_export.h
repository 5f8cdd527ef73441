// A made-up export of many plain files, for tests that need a parse, a
// report or a write-back to take a while.
#pragma once

#include <string>

namespace dict_test {

// `files` files File0, File1, ... (or `prefix` and the number) each with a
// record of `fields` LONG fields.
inline std::string LargeExport(int files, int fields = 20, const std::string& prefix = "File") {
    std::string out = "[DICTIONARY]\r\nVERSION '4.0'\r\n[FILES]\r\n";
    for (int f = 0; f < files; ++f) {
        const std::string label = prefix + std::to_string(f);
        out += label + "  FILE,DRIVER('DOS'),PRE(F" + std::to_string(f) + ")\r\n";
        out += "!!> IDENT(" + std::to_string(f) + ")\r\n";
        out += "Record  RECORD,PRE()\r\n";
        for (int c = 0; c < fields; ++c)
            out += "Col" + std::to_string(c) + "  LONG\r\n!!> IDENT(1)\r\n";
        out += "  END\r\nEND\r\n";
    }
    return out;
}

}  // namespace dict_test
