#include "bench/txd_generator.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace bench {

namespace {

constexpr std::array<std::string_view, 12> kWords = {
    "Customer", "Order", "Product", "Invoice",  "Supplier", "Account",
    "Payment",  "Stock", "Branch",  "Employee", "Contract", "Shipment"};
constexpr std::array<std::string_view, 12> kFieldWords = {"Number", "Name",   "Code",   "Date",
                                                          "Amount", "Status", "Street", "City",
                                                          "Phone",  "Note",   "Total",  "Rate"};
constexpr std::array<std::string_view, 6> kDrivers = {"'DOS'",    "'ASCII'",  "'BASIC'",
                                                      "'MEMORY'", "'SQLITE'", "'ODBC'"};
constexpr std::array<std::string_view, 4> kRules = {"CASCADE", "RESTRICT", "CLEAR", "NONE"};

// A small, fast, deterministic generator (xorshift).
class Random {
  public:
    explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    std::uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // A number from 0 to n - 1.
    std::uint32_t Below(std::uint32_t n) { return Next() % n; }
    bool Chance(std::uint32_t percent) { return Below(100) < percent; }

  private:
    std::uint32_t state_;
};

struct FileInfo {
    std::string label;
    std::string prefix;
    std::string firstKey;
    std::string firstField;
};

class Generator {
  public:
    explicit Generator(const TxdShape& shape) : shape_(shape), random_(shape.seed) {}

    std::string Run(TxdStats* stats) {
        if (shape_.targetBytes != 0) out_.reserve(shape_.targetBytes + (1 << 16));
        Header();
        Line("[FILES]");
        std::size_t n = 0;
        if (shape_.files != 0) {
            while (n < shape_.files) File(n++);
        } else {
            do {
                File(n++);
            } while (!Full());
        }
        Line("");
        Line("[ALIASES]");
        std::size_t aliases = std::max<std::size_t>(1, files_.size() / 10);
        for (std::size_t i = 0; i < aliases; ++i) Alias(i);
        Line("");
        Line("[RELATIONS]");
        if (shape_.relations != 0) {
            // Pairs spread over all files; the first file takes part often.
            const std::size_t count = files_.size();
            for (std::size_t i = 0; i < shape_.relations; ++i) {
                const std::size_t left =
                    i % 10 == 0 ? 0 : random_.Below(static_cast<std::uint32_t>(count));
                Relation(files_[left], files_[random_.Below(static_cast<std::uint32_t>(count))]);
            }
        } else {
            for (std::size_t i = 1; i < files_.size(); i += 2) Relation(files_[i - 1], files_[i]);
        }
        stats_.bytes = out_.size();
        stats_.files = files_.size();
        if (stats != nullptr) *stats = stats_;
        return std::move(out_);
    }

  private:
    // Files stop when the expected size of aliases and relations still to
    // come would reach the target.
    bool Full() const {
        std::size_t tailBytes = files_.size() * 60;
        std::size_t tailLines = files_.size();
        if (shape_.targetBytes != 0 && out_.size() + tailBytes >= shape_.targetBytes) return true;
        if (shape_.targetLines != 0 && stats_.lines + tailLines >= shape_.targetLines) return true;
        return shape_.targetBytes == 0 && shape_.targetLines == 0;
    }

    void Line(std::string_view text) {
        out_.append(text);
        out_.append("\r\n");
        ++stats_.lines;
    }
    // Starts a line of `indent` blanks; the caller appends and ends it.
    std::string& Start(std::size_t indent) {
        out_.append(indent, ' ');
        return out_;
    }
    void End() {
        out_.append("\r\n");
        ++stats_.lines;
    }

    void Header() {
        Line("[DICTIONARY]");
        Line("VERSION '4.0'");
        Line("CREATED '12 MAR 2001' ' 9:15:00AM'");
        Line("MODIFIED '3 OCT 2002' ' 4:40:12PM'");
        Line("[DESCRIPTION]");
        Line("!A synthetic dictionary for measurements.");
        Line("!It has many files, keys, relations and annotations.");
    }

    void Annotation(std::string_view extra) {
        Start(0).append("!!> IDENT(").append(std::to_string(++ident_)).append(")");
        if (!extra.empty()) out_.append(",").append(extra);
        End();
    }

    void Sections() {
        if (random_.Chance(30)) {
            Line("[LONGDESC]");
            std::uint32_t n = 1 + random_.Below(3);
            for (std::uint32_t i = 0; i < n; ++i) {
                Start(0).append("!Describes the ").append(Word()).append(" and its ");
                out_.append(FieldWord()).append(" as used by the accounts department.");
                End();
            }
        }
        if (random_.Chance(5)) {
            Line("[QUICKCODE]");
            Line("!FORM,BROWSE,REPORT");
        }
        if (random_.Chance(5)) {
            Line("[SCREENCONTROLS]");
            Line("!PROMPT('&Value:'),USE(?Value:Prompt)");
            Line("!ENTRY(@s20),USE(Value)");
        }
        if (random_.Chance(3)) {
            Line("[REPORTCONTROLS]");
            Line("!STRING(@s20),AT(0,0,1500,200),USE(Value)");
        }
        if (random_.Chance(2)) {
            Line("[USEROPTION]");
            Line("!ColumnWidth=20");
        }
    }

    std::string_view Word() { return kWords[random_.Below(kWords.size())]; }
    std::string_view FieldWord() { return kFieldWords[random_.Below(kFieldWords.size())]; }

    void File(std::size_t n) {
        FileInfo info;
        info.label = std::string(Word()) + std::to_string(n);
        info.prefix = "F" + std::to_string(n);
        Sections();
        Start(0).append(info.label);
        out_.append(std::max<std::size_t>(1, 21 - info.label.size()), ' ');
        const std::string_view driver = kDrivers[random_.Below(kDrivers.size())];
        out_.append("FILE,DRIVER(").append(driver);
        out_.append("),PRE(").append(info.prefix).append("),CREATE");
        if (random_.Chance(50)) out_.append(",BINDABLE");
        if (random_.Chance(70)) out_.append(",THREAD");
        if (random_.Chance(20)) {
            // The database drivers name a table; the others a data file.
            const bool table = driver == "'SQLITE'" || driver == "'ODBC'";
            out_.append(",NAME('").append(info.label).append(table ? "')" : ".DAT')");
        }
        if (random_.Chance(10)) out_.append(",RECLAIM");
        if (random_.Chance(5)) out_.append(",OWNER('secret'),ENCRYPT");
        End();
        Annotation("USAGE(FILE),LAST_FIELD_ID(40)");

        std::uint32_t fieldCount = FieldCount(n);
        std::vector<std::string> fields;
        for (std::uint32_t i = 0; i < fieldCount; ++i) {
            fields.push_back(std::string(FieldWord()) + std::to_string(i));
        }
        info.firstField = fields.front();

        std::uint32_t keys =
            n == 0 && shape_.firstFileKeys != 0 ? shape_.firstFileKeys : 1 + random_.Below(4);
        for (std::uint32_t k = 0; k < keys; ++k) {
            std::string label = "Key" + fields[k % fields.size()];
            if (k == 0) info.firstKey = info.prefix + ":" + label;
            Sections();
            Start(0).append(label).append(std::max<std::size_t>(1, 23 - label.size()), ' ');
            out_.append("KEY(");
            std::uint32_t parts = 1 + random_.Below(3);
            for (std::uint32_t p = 0; p < parts; ++p) {
                if (p > 0) out_.append(",");
                if (random_.Chance(10)) out_.append("-");
                out_.append(info.prefix).append(":").append(fields[(k + p) % fields.size()]);
            }
            out_.append("),NOCASE");
            out_.append(k == 0 ? ",OPT,PRIMARY" : ",DUP");
            End();
            Annotation(k == 0 ? "AUTO" : "");
            ++stats_.keys;
        }
        if (random_.Chance(20)) {
            Start(0).append("Idx").append(fields.back()).append("  INDEX(-");
            out_.append(info.prefix).append(":").append(fields.back()).append("),NOCASE");
            End();
            Annotation("");
        }
        if (random_.Chance(25)) {
            Sections();
            Start(0)
                .append("Notes                  MEMO(")
                .append(std::to_string(100 * (1 + random_.Below(50))))
                .append("),NAME('Notes')");
            End();
            Annotation("PICTURE(@s80),PROMPT('&Notes:')");
        }
        if (random_.Chance(10)) {
            Start(0).append("Picture                BLOB,BINARY");
            End();
            Annotation("");
        }
        Line("Record                 RECORD,PRE()");
        std::uint32_t depth = 0;
        for (std::uint32_t i = 0; i < fieldCount; ++i) {
            if (i > 0 && random_.Chance(8) && depth < 3) {
                Sections();
                std::string label = "Group" + std::to_string(i);
                Start(0).append(label).append(25 + 2 * depth - label.size(), ' ');
                out_.append("GROUP,PRE()");
                End();
                Annotation("");
                ++depth;
            }
            Field(fields[i], 25 + 2 * depth);
            if (depth > 0 && random_.Chance(25)) {
                --depth;
                Line(std::string(25 + 2 * depth, ' ') + "END");
            }
        }
        while (depth > 0) {
            --depth;
            Line(std::string(25 + 2 * depth, ' ') + "END");
        }
        Line("                       END");
        Line("                     END");
        Line("");
        files_.push_back(std::move(info));
    }

    std::uint32_t FieldCount(std::size_t n) {
        if (n == 0 && shape_.firstFileFields != 0) return shape_.firstFileFields;
        if (shape_.fieldsPerFile != 0) return shape_.fieldsPerFile;
        return 5 + random_.Below(36);
    }

    void Field(const std::string& label, std::size_t indent) {
        Sections();
        Start(0).append(label).append(std::max<std::size_t>(1, indent - label.size()), ' ');
        std::string picture;
        switch (random_.Below(8)) {
            case 0: {
                std::string size = std::to_string(1 + random_.Below(60));
                out_.append("STRING(").append(size).append(")");
                picture = "@s" + size;
                break;
            }
            case 1:
                out_.append("LONG");
                picture = "@n-14";
                break;
            case 2:
                out_.append("DECIMAL(11,2)");
                picture = "@n-15.2";
                break;
            case 3:
                out_.append("DATE");
                picture = "@d6";
                break;
            case 4:
                out_.append("TIME");
                picture = "@t7";
                break;
            case 5:
                out_.append("CSTRING(21),DIM(").append(std::to_string(2 + random_.Below(4)));
                out_.append(")");
                picture = "@s20";
                break;
            case 6:
                out_.append("BYTE");
                picture = "@n3";
                break;
            default:
                out_.append("SHORT");
                picture = "@n-7";
                break;
        }
        End();
        std::string extra =
            "PROMPT('&" + label + ":'),HEADER('" + label + "'),PICTURE(" + picture + ")";
        if (random_.Chance(15)) extra += ",VALID(NONZERO)";
        Annotation(extra);
        ++stats_.fields;
    }

    void Alias(std::size_t i) {
        const FileInfo& file = files_[random_.Below(static_cast<std::uint32_t>(files_.size()))];
        Start(0).append("Alias").append(std::to_string(i)).append("  ALIAS(").append(file.label);
        out_.append("),PRE(A").append(std::to_string(i)).append(")");
        End();
        Annotation("");
        ++stats_.aliases;
    }

    void Relation(const FileInfo& left, const FileInfo& right) {
        Start(21).append("RELATION,1:MANY,UPDATE(").append(kRules[random_.Below(4)]);
        out_.append("),DELETE(").append(kRules[random_.Below(4)]).append(")");
        End();
        Start(0).append(left.label).append("  FILE(").append(left.firstKey).append(")");
        End();
        Start(0).append(right.label).append("  RELATED_FILE(").append(right.firstKey).append(")");
        End();
        Line("                         FILE_TO_RELATED_KEY");
        Start(27).append("FIELD(").append(left.prefix).append(":").append(left.firstField);
        out_.append(",").append(right.prefix).append(":").append(right.firstField).append(")");
        End();
        Line("                         END");
        Line("                         RELATED_FILE_TO_KEY");
        Start(27).append("FIELD(").append(right.prefix).append(":").append(right.firstField);
        out_.append(",").append(left.prefix).append(":").append(left.firstField).append(")");
        End();
        Line("                         END");
        Line("                       END");
        Line("");
        ++stats_.relations;
    }

    TxdShape shape_;
    Random random_;
    std::string out_;
    std::vector<FileInfo> files_;
    TxdStats stats_;
    std::uint32_t ident_ = 0;
};

}  // namespace

std::string GenerateTxd(const TxdShape& shape, TxdStats* stats) {
    return Generator(shape).Run(stats);
}

}  // namespace bench
