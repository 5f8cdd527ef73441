#include "app/export_command.h"

namespace app {

std::string ExportDctCommand(std::string_view dictionary, std::string_view textFile) {
    std::string command = "[ExportDct(";
    command += dictionary;
    command += ',';
    command += textFile;
    command += ")]";
    return command;
}

bool IsCommandSafePath(std::string_view path) {
    if (path.empty()) return false;
    for (char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte == 0x7F) return false;
        switch (c) {
            case ',':
            case '(':
            case ')':
            case '[':
            case ']':
            case '"':
            case '\'':
                return false;
            default:
                break;
        }
    }
    return true;
}

}  // namespace app
