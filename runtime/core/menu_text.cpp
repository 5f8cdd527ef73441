#include "runtime/core/menu_text.h"

namespace rt {
namespace {

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::vector<MenuEntry> Run() {
        std::vector<MenuEntry> top;
        while (pos_ < text_.size()) {
            ReadItems(top);
            if (pos_ < text_.size()) ++pos_;  // a stray "}" at the top level
        }
        return top;
    }

  private:
    // Reads items into `into` until a "}" (left unread) or the end.
    void ReadItems(std::vector<MenuEntry>& into) {
        while (pos_ < text_.size() && text_[pos_] != '}') {
            const std::size_t stop = text_.find_first_of("|{}", pos_);
            const std::size_t end = stop == std::string_view::npos ? text_.size() : stop;
            std::string_view raw = text_.substr(pos_, end - pos_);
            pos_ = end;
            if (pos_ < text_.size() && text_[pos_] == '{') {
                ++pos_;
                MenuEntry submenu = Entry(raw);
                submenu.kind = MenuEntry::Kind::Submenu;
                ReadItems(submenu.children);
                if (pos_ < text_.size()) ++pos_;  // its "}"
                into.push_back(std::move(submenu));
            } else if (!raw.empty()) {
                MenuEntry item = Entry(raw);
                if (item.kind == MenuEntry::Kind::Command) item.number = ++commands_;
                into.push_back(std::move(item));
            }
            if (pos_ < text_.size() && text_[pos_] == '|') ++pos_;
        }
    }

    static MenuEntry Entry(std::string_view raw) {
        MenuEntry entry;
        if (raw == "-") {
            entry.kind = MenuEntry::Kind::Separator;
            return entry;
        }
        if (!raw.empty() && raw.front() == '~') {
            entry.disabled = true;
            raw.remove_prefix(1);
        }
        if (!raw.empty() && raw.front() == '+') {
            entry.check = MenuCheck::Checked;
            raw.remove_prefix(1);
        } else if (raw.size() > 1 && raw.front() == '-') {
            entry.check = MenuCheck::Unchecked;
            raw.remove_prefix(1);
        }
        entry.text = std::string(raw);
        return entry;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int commands_ = 0;
};

std::string_view Prepared(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    text = last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
    if (text.size() > kMaxMenuText) text = text.substr(0, kMaxMenuText);
    if (!text.empty() && text.front() == '|') text.remove_prefix(1);
    return text;
}

}  // namespace

std::vector<MenuEntry> ParseMenuText(std::string_view text) {
    return Parser(Prepared(text)).Run();
}

int CountCommands(const std::vector<MenuEntry>& menu) {
    int count = 0;
    for (const MenuEntry& entry : menu) {
        if (entry.kind == MenuEntry::Kind::Command) ++count;
        if (entry.kind == MenuEntry::Kind::Submenu) count += CountCommands(entry.children);
    }
    return count;
}

}  // namespace rt
