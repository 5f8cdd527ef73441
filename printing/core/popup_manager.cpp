#include "printing/core/popup_manager.h"

#include <algorithm>

#include "runtime/core/blanks.h"

namespace printing {

namespace {

std::string CutText(std::string_view text, std::size_t size) {
    return std::string(text.substr(0, std::min(text.size(), size)));
}

bool IsAlphanumeric(char c) noexcept {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

std::uint16_t ClampDepth(int depth) noexcept {
    return static_cast<std::uint16_t>(std::clamp(depth, 1, 0xFFFF));
}

}  // namespace

PopupItem* PopupManager::Find(std::string_view name) {
    name = rt::TrimTrailingSpaces(name);
    name = name.substr(0, std::min(name.size(), kMaxName));  // names are kept cut
    for (PopupItem& item : items_) {
        if (item.NAME == name) return &item;
    }
    return nullptr;
}

const PopupItem* PopupManager::Find(std::string_view name) const {
    return const_cast<PopupManager*>(this)->Find(name);
}

bool PopupManager::ItemExists(std::string_view name) const {
    return Find(name) != nullptr;
}

void PopupManager::AddItemAfter(std::string_view text, std::string_view name,
                                std::string_view after, int depth) {
    std::size_t index = items_.size();
    if (!after.empty()) {
        if (const PopupItem* previous = Find(after)) {
            index = static_cast<std::size_t>(previous - items_.data()) + 1;
        }
    }
    PopupItem item;
    item.NAME = CutText(rt::TrimTrailingSpaces(name), kMaxName);
    item.TEXT = CutText(text, kMaxText);
    item.DEPTH = ClampDepth(depth);
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
    for (std::size_t i = index; i < items_.size(); ++i) {
        items_[i].POSITIONAL = static_cast<std::uint16_t>(i + 1);
    }
}

void PopupManager::AddItem(std::string_view text, std::string_view name, int depth) {
    AddItemAfter(text, name, items_.empty() ? std::string_view() : items_.back().NAME, depth);
}

std::string PopupManager::MakeItemName(std::string_view text) const {
    std::string base;
    if (text == "-") {
        base = "Separator";
    } else {
        for (char c : rt::TrimTrailingSpaces(text)) {
            if (IsAlphanumeric(c)) base.push_back(c);
        }
        if (base.size() > kMaxName) base.resize(kMaxName);
    }
    if (!ItemExists(base)) return base;
    // Every number gives a different name and there are finitely many
    // items, so this ends; the base gives way to the digits at 32.
    for (std::size_t n = 1;; ++n) {
        const std::string digits = std::to_string(n);
        std::string name = base.substr(0, kMaxName - std::min(kMaxName, digits.size())) + digits;
        if (!ItemExists(name)) return name;
    }
}

PopupItem& PopupManager::FindOrAdd(std::string_view nameOrText) {
    if (PopupItem* item = Find(nameOrText)) return *item;
    const std::string name = MakeItemName(nameOrText);
    AddItem(nameOrText, name, 1);
    return *Find(name);
}

std::string PopupManager::AddMimicItem(std::string_view nameOrText, int control) {
    PopupItem& item = FindOrAdd(nameOrText);
    item.TEXT = CutText(host_.ControlText(control), kMaxText);
    item.MIMICMODE = 1;
    item.CONTROLID = static_cast<std::int16_t>(control);
    return item.NAME;
}

std::string PopupManager::AddEventItem(std::string_view nameOrText, int event, int control) {
    PopupItem& item = FindOrAdd(nameOrText);
    item.MIMICMODE = 0;
    item.CONTROLID = static_cast<std::int16_t>(control);
    item.EVENT = static_cast<std::uint16_t>(event);
    return item.NAME;
}

void PopupManager::SetItemCheck(std::string_view name, bool on) {
    PopupItem* item = Find(name);
    if (item == nullptr || item->TEXT == "-") return;
    const char mark = on ? '+' : '-';
    if (item->TEXT.starts_with('+') || item->TEXT.starts_with('-')) {
        item->TEXT[0] = mark;
    } else {
        item->TEXT = CutText(std::string(1, mark) + item->TEXT, kMaxText);
    }
}

std::string PopupManager::BuildMenuText() const {
    std::string menu;
    int depth = 1;
    for (const PopupItem& item : items_) {
        std::string text = item.TEXT;
        if (item.MIMICMODE != 0) {
            const bool enabled = host_.IsControlEnabled(item.CONTROLID);
            if (!enabled && !text.starts_with('~')) text.insert(0, 1, '~');
            if (enabled && text.starts_with('~')) text.erase(0, 1);
        }
        // One brace per level, so that a jump of several levels still
        // opens or closes every submenu on the way.
        const int itemDepth = item.DEPTH;
        if (itemDepth == depth) menu += '|';
        if (itemDepth > depth) menu.append(static_cast<std::size_t>(itemDepth - depth), '{');
        if (itemDepth < depth) menu.append(static_cast<std::size_t>(depth - itemDepth), '}');
        menu += text;
        depth = itemDepth;
    }
    return menu;
}

std::ptrdiff_t PopupManager::ChoiceIndex(int choice) const {
    if (choice <= 0) return -1;
    int count = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const bool separator = items_[i].TEXT == "-";
        const bool opensSubmenu = i + 1 < items_.size() && items_[i + 1].DEPTH > items_[i].DEPTH;
        if (separator || opensSubmenu) continue;
        if (++count == choice) return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
}

std::string PopupManager::ChoiceName(int choice) const {
    std::ptrdiff_t index = ChoiceIndex(choice);
    return index < 0 ? std::string() : items_[static_cast<std::size_t>(index)].NAME;
}

std::string PopupManager::Ask(int x, int y) {
    const std::string text = BuildMenuText();
    const int choice = host_.RuntimePopup(text, x != 0 ? std::optional<int>(x) : std::nullopt,
                                          y != 0 ? std::optional<int>(y) : std::nullopt);
    const std::ptrdiff_t index = ChoiceIndex(choice);
    lastSelection_ = index < 0 ? std::string() : items_[static_cast<std::size_t>(index)].NAME;
    if (!lastSelection_.empty()) {
        const PopupItem& item = items_[static_cast<std::size_t>(index)];
        if (item.MIMICMODE == 1) {
            host_.PostEvent(item.CONTROLID, kEventAccepted);
        } else if (item.EVENT != 0) {
            host_.PostEvent(item.CONTROLID, item.EVENT);
        }
    }
    return lastSelection_;
}

}  // namespace printing
