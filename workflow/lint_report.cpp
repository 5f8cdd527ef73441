#include "workflow/lint_report.h"

#include "dictionary/model_json.h"
#include "runtime/core/version.h"
#include "runtime/core/windows1252.h"

namespace workflow {

namespace {

constexpr std::string_view kSarifSchema = "https://json.schemastore.org/sarif-2.1.0.json";

const char* SeverityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

// Windows-1252 text of the export as UTF-8 a terminal shows harmlessly.
std::string Shown(std::string_view text) {
    return rt::Windows1252ToUtf8(rt::ShowControlBytes(text));
}

// The length of the UTF-8 sequence that starts `text`, or 0 when it is not one.
std::size_t Utf8Sequence(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = lead < 0x80                    ? 1
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0;
    }
    const auto second = static_cast<unsigned char>(text.size() > 1 ? text[1] : 0);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
        return 0;  // overlong, a surrogate, or beyond U+10FFFF
    return length;
}

bool IsUtf8(std::string_view text) {
    while (!text.empty()) {
        const std::size_t length = Utf8Sequence(text);
        if (length == 0) return false;
        text.remove_prefix(length);
    }
    return true;
}

// The export's path as UTF-8: a name in UTF-8 as it is, any other as
// Windows-1252, control bytes shown either way.
std::string ShownPath(std::string_view path) {
    if (!IsUtf8(path)) return Shown(path);
    std::string shown;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto byte = static_cast<unsigned char>(path[i]);
        if (byte < 0x20 || byte == 0x7F) {
            shown += rt::ShowControlBytes(path.substr(i, 1));
        } else {
            shown += path[i];
        }
    }
    return shown;
}

// The path as a relative URI reference: every byte but the unreserved ones
// and '/' percent-encoded.
std::string PathUri(std::string_view path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri;
    for (char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~' || c == '/') {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 0xF];
        }
    }
    return uri;
}

// A workflow command's message, or with `property` one of its property
// values, escaped as GitHub's toolkit escapes them.
std::string CommandEscaped(std::string_view text, bool property) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
            case '%':
                escaped += "%25";
                break;
            case '\r':
                escaped += "%0D";
                break;
            case '\n':
                escaped += "%0A";
                break;
            case ':':
                escaped += property ? "%3A" : ":";
                break;
            case ',':
                escaped += property ? "%2C" : ",";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::size_t RuleIndex(std::string_view rule) {
    const std::span<const LintRule> rules = LintRules();
    for (std::size_t i = 0; i < rules.size(); ++i) {
        if (rules[i].name == rule) return i;
    }
    return 0;
}

}  // namespace

std::string FindingsText(std::string_view path, const std::vector<Finding>& findings) {
    const std::string file = ShownPath(path);
    std::string out;
    for (const Finding& finding : findings) {
        out += file;
        if (finding.line != 0) out += ":" + std::to_string(finding.line);
        out += ": ";
        out += Shown(finding.object);
        out += ": ";
        out += finding.rule;
        out += ": ";
        out += Shown(finding.message);
        out += '\n';
    }
    return out;
}

std::string FindingsJson(const std::vector<Finding>& findings) {
    std::string out = "[";
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const Finding& finding = findings[i];
        out += i == 0 ? "\n  {\"rule\": " : ",\n  {\"rule\": ";
        dictionary::AppendJsonString(out, finding.rule);
        out += ", \"severity\": \"";
        out += SeverityName(finding.severity);
        out += "\", \"object\": ";
        dictionary::AppendJsonString(out, finding.object);
        if (finding.line != 0) out += ", \"line\": " + std::to_string(finding.line);
        out += ", \"message\": ";
        dictionary::AppendJsonString(out, finding.message);
        out += '}';
    }
    out += findings.empty() ? "]\n" : "\n]\n";
    return out;
}

std::string FindingsSarif(std::string_view path, const std::vector<Finding>& findings) {
    std::string out = "{\n  \"$schema\": \"";
    out += kSarifSchema;
    out +=
        "\",\n  \"version\": \"2.1.0\",\n  \"runs\": [\n    {\n      \"tool\": {\n"
        "        \"driver\": {\n          \"name\": \"kestrian-doc\",\n          \"version\": ";
    dictionary::AppendJsonString(out, rt::ProgramVersion());
    out += ",\n          \"rules\": [";
    const std::span<const LintRule> rules = LintRules();
    for (std::size_t i = 0; i < rules.size(); ++i) {
        out += i == 0 ? "\n            {\"id\": " : ",\n            {\"id\": ";
        dictionary::AppendJsonString(out, rules[i].name);
        out += ", \"shortDescription\": {\"text\": ";
        dictionary::AppendJsonString(out, rules[i].summary);
        out += "}, \"defaultConfiguration\": {\"level\": \"";
        out += SeverityName(rules[i].severity);
        out += "\"}}";
    }
    out += "\n          ]\n        }\n      },\n      \"results\": [";
    std::string uri;
    dictionary::AppendJsonString(uri, PathUri(path));
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const Finding& finding = findings[i];
        out += i == 0 ? "\n        {\"ruleId\": " : ",\n        {\"ruleId\": ";
        dictionary::AppendJsonString(out, finding.rule);
        out += ", \"ruleIndex\": " + std::to_string(RuleIndex(finding.rule));
        out += ", \"level\": \"";
        out += SeverityName(finding.severity);
        out += "\", \"message\": {\"text\": ";
        dictionary::AppendJsonString(out, finding.object + ": " + finding.message);
        out += "}, \"locations\": [{\"physicalLocation\": {\"artifactLocation\": {\"uri\": ";
        out += uri;
        out += '}';
        if (finding.line != 0)
            out += ", \"region\": {\"startLine\": " + std::to_string(finding.line) + '}';
        out += "}}]}";
    }
    out += findings.empty() ? "]\n    }\n  ]\n}\n" : "\n      ]\n    }\n  ]\n}\n";
    return out;
}

std::string FindingsGithub(std::string_view path, const std::vector<Finding>& findings) {
    const std::string file = CommandEscaped(ShownPath(path), true);
    std::string out;
    for (const Finding& finding : findings) {
        out += finding.severity == Severity::Error ? "::error file=" : "::warning file=";
        out += file;
        if (finding.line != 0) out += ",line=" + std::to_string(finding.line);
        out += ",title=";
        out += CommandEscaped(finding.rule, true);
        out += "::";
        out += CommandEscaped(Shown(finding.object + ": " + finding.message), false);
        out += '\n';
    }
    return out;
}

}  // namespace workflow
