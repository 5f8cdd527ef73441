#include "dictionary/scanner.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

#include "runtime/core/blanks.h"

namespace dictionary {
namespace {

constexpr char kBlank = ' ';
constexpr char kQuote = '\'';

// Closing character for each opening one; 0 for a character that opens nothing.
constexpr std::array<char, 256> MakeClosers() {
    std::array<char, 256> closers{};
    closers[static_cast<unsigned char>('(')] = ')';
    closers[static_cast<unsigned char>('[')] = ']';
    closers[static_cast<unsigned char>('{')] = '}';
    closers[static_cast<unsigned char>('<')] = '>';
    closers[static_cast<unsigned char>(kQuote)] = kQuote;
    return closers;
}
constexpr std::array<char, 256> kClosers = MakeClosers();

bool IsBlank(std::string_view text) noexcept {
    return text.find_first_not_of(kBlank) == std::string_view::npos;
}

// Appends the part to a result that is built with the "blank result is
// replaced" rule, keeping the result within the limit.
void AppendPart(std::string& out, bool& blank, char separator, std::string_view part) {
    if (blank) {
        out.assign(part.substr(0, Scanner::kMaxResult));
    } else {
        if (out.size() < Scanner::kMaxResult) out.push_back(separator);
        out.append(part.substr(0, Scanner::kMaxResult - std::min(out.size(), Scanner::kMaxResult)));
    }
    blank = IsBlank(out);
}

}  // namespace

void Scanner::Init() {
    copy_.clear();
    line_ = {};
    tokens_.clear();
    arguments_.clear();
    current_ = -1;
    scanAt_ = kNone;
    delimiters_ = ", ";
}

void Scanner::SetDelimiters(std::string_view delimiters) {
    delimiters_.assign(delimiters.substr(0, kMaxDelimiters));
}

void Scanner::Dispose() noexcept {
    std::string().swap(copy_);
    line_ = {};
    std::vector<TokenQueue>().swap(tokens_);
    std::vector<ArgumentQueue>().swap(arguments_);
    std::vector<char>().swap(closers_);
    current_ = -1;
    scanAt_ = kNone;
}

// Character classes for Split(): plain, delimiter, an opener of brackets,
// the quote.
enum : std::uint8_t { kPlain = 0, kDelimiter = 1, kOpener = 2, kQuoteOpener = 3, kCloser = 4 };

// What each character does inside brackets, where delimiters are plain.
constexpr std::array<std::uint8_t, 256> MakeNestedClasses() {
    std::array<std::uint8_t, 256> classes{};
    for (std::size_t c = 0; c < kClosers.size(); ++c) {
        if (kClosers[c] != 0) {
            classes[c] = kOpener;
            classes[static_cast<unsigned char>(kClosers[c])] = kCloser;
        }
    }
    classes[static_cast<unsigned char>(kQuote)] = kQuoteOpener;
    return classes;
}
constexpr std::array<std::uint8_t, 256> kNestedClasses = MakeNestedClasses();

void Scanner::Classify(std::string_view delimiters) {
    if (classesMade_ && delimiters == classified_) return;
    classes_.fill(kPlain);
    for (char c : delimiters) classes_[static_cast<unsigned char>(c)] = kDelimiter;
    // An opener is one even when it is also named as a delimiter.
    for (std::size_t c = 0; c < kClosers.size(); ++c) {
        if (kClosers[c] != 0) classes_[c] = kOpener;
    }
    classes_[static_cast<unsigned char>(kQuote)] = kQuoteOpener;
    classified_.assign(delimiters);
    classesMade_ = true;
}

std::int32_t Scanner::Split(std::string_view line, std::string_view delimiters,
                            bool useOwnDelimiters) {
    Start(line,
          useOwnDelimiters ? std::string_view(delimiters_) : delimiters.substr(0, kMaxDelimiters));
    Scan(kNone);
    return TokenCount();
}

std::int32_t Scanner::SplitFirst(std::string_view line, std::int32_t tokens) {
    Start(line, delimiters_);
    Scan(static_cast<std::size_t>(std::max(tokens, 1)));
    return TokenCount();
}

void Scanner::Complete() {
    if (scanAt_ != kNone) Scan(kNone);
}

// Normalises the line and makes it the one being scanned, with no tokens.
void Scanner::Start(std::string_view line, std::string_view delimiters) {
    Classify(delimiters);

    // Normalise: one "!" in column 1 goes with the blanks after it;
    // otherwise the leading blanks go. Trailing blanks go as well.
    if (!line.empty() && line.front() == '!') line.remove_prefix(1);
    const std::size_t first = line.find_first_not_of(kBlank);
    line.remove_prefix(first == std::string_view::npos ? line.size() : first);
    line = rt::TrimTrailingSpaces(line);
    // Positions are 32-bit; a line cannot be longer than they can count.
    line = line.substr(0, std::numeric_limits<std::int32_t>::max() - 1);

    if (inPlace_) {
        line_ = line;
    } else {
        copy_.assign(line);
        line_ = copy_;
    }
    tokens_.clear();
    arguments_.clear();
    closers_.clear();
    current_ = -1;
    scanAt_ = 0;
    tokenStart_ = 0;
    opener_ = kNone;
}

// Cuts tokens from where the scan stopped until `wanted` tokens are there
// (the scan then stops after a delimiter outside brackets) or the line ends.
void Scanner::Scan(std::size_t wanted) {
    const char* text = line_.data();
    const std::size_t length = line_.size();
    // Past the closing apostrophe of a quote opened at `from`; the end of the
    // line when it has none (the quote then stays open).
    const auto pastQuote = [&](std::size_t from) -> std::size_t {
        const void* close = std::memchr(text + from, kQuote, length - from);
        if (close == nullptr) {
            closers_.push_back(kQuote);
            return length;
        }
        return static_cast<std::size_t>(static_cast<const char*>(close) - text) + 1;
    };
    std::size_t start = tokenStart_;
    // The first opener of the token under way outside brackets, if any.
    std::size_t opener = opener_;
    std::size_t i = scanAt_;
    while (i < length) {
        if (closers_.empty()) {
            std::uint8_t kind = kPlain;
            while (i < length && (kind = classes_[static_cast<unsigned char>(text[i])]) == kPlain)
                ++i;
            if (i == length) break;
            if (kind == kDelimiter) {
                if (i > start) Emit(start, i, opener);
                start = ++i;
                opener = kNone;
                if (tokens_.size() >= wanted) {
                    scanAt_ = tokenStart_ = i;
                    opener_ = kNone;
                    return;
                }
                continue;
            }
            if (opener == kNone) opener = i;
            if (kind == kQuoteOpener) {
                i = pastQuote(i + 1);
            } else {
                closers_.push_back(kClosers[static_cast<unsigned char>(text[i])]);
                ++i;
            }
            continue;
        }
        // Inside brackets: only openers and the expected closer count.
        std::uint8_t kind = kPlain;
        while (i < length && (kind = kNestedClasses[static_cast<unsigned char>(text[i])]) == kPlain)
            ++i;
        if (i == length) break;
        const char c = text[i++];
        if (kind == kQuoteOpener) {
            i = pastQuote(i);
        } else if (kind == kOpener) {
            closers_.push_back(kClosers[static_cast<unsigned char>(c)]);
        } else if (c == closers_.back()) {
            closers_.pop_back();
        }
    }
    if (start < length) Emit(start, length, opener);
    scanAt_ = kNone;  // the line is cut whole
}

// Adds the token found between offsets s (inclusive) and end (exclusive).
// `opener` is the offset of its first opener outside brackets (kNone when it
// has none): a "(" there is its first "(", and without one it has no "(".
void Scanner::Emit(std::size_t s, std::size_t end, std::size_t opener) {
    const char* text = line_.data();
    while (s < end && text[s] == kBlank) ++s;
    if (s >= end) return;
    const std::size_t last = end - 1;

    TokenQueue token;
    token.TEXTL = token.ITEML = static_cast<std::int32_t>(s + 1);
    token.TEXTR = static_cast<std::int32_t>(last + 1);
    const void* paren = nullptr;
    if (opener != kNone) {
        paren = text[opener] == '(' ? text + opener : std::memchr(text + s, '(', end - s);
    }
    if (paren == nullptr) {
        token.ITEMR = token.TEXTR;
        tokens_.push_back(token);
        return;
    }
    const std::size_t p = static_cast<const char*>(paren) - text;
    token.ITEMR = static_cast<std::int32_t>(p);  // 1-based position of the character before "("
    if (text[last] == ')' && p < last) {
        // Plain cut at every comma; a final empty stretch is no argument.
        const std::size_t firstArgument = arguments_.size();
        std::size_t from = p + 1;
        while (true) {
            const void* comma = std::memchr(text + from, ',', last - from);
            if (comma == nullptr) break;
            const std::size_t q = static_cast<const char*>(comma) - text;
            arguments_.push_back(
                {static_cast<std::int32_t>(from + 1), static_cast<std::int32_t>(q)});
            from = q + 1;
        }
        if (from < last) {
            arguments_.push_back(
                {static_cast<std::int32_t>(from + 1), static_cast<std::int32_t>(last)});
        }
        const std::size_t count = arguments_.size() - firstArgument;
        if (count > 0) {
            token.VALUE = static_cast<std::int32_t>(firstArgument);
            token.VALUECOUNT = static_cast<std::int32_t>(count);
            token.CURRENT = token.VALUECOUNT;
        }
    }
    tokens_.push_back(token);
}

std::string_view Scanner::Slice(std::int32_t left, std::int32_t right) const noexcept {
    if (left < 1 || right < left || static_cast<std::size_t>(right) > line_.size()) return {};
    return line_.substr(left - 1, right - left + 1);
}

std::span<const ArgumentQueue> Scanner::Value(const TokenQueue& token) const noexcept {
    if (token.VALUE < 0) return {};
    return std::span<const ArgumentQueue>(arguments_).subspan(token.VALUE, token.VALUECOUNT);
}

std::string_view Scanner::TokenText(std::int32_t number) const noexcept {
    if (number < 1 || number > TokenCount()) return {};
    const TokenQueue& token = tokens_[number - 1];
    return Slice(token.TEXTL, token.TEXTR);
}

std::string_view Scanner::Item(std::int32_t number) const noexcept {
    if (number < 1 || number > TokenCount()) return {};
    const TokenQueue& token = tokens_[number - 1];
    return Slice(token.ITEML, token.ITEMR);
}

std::int32_t Scanner::ArgumentCount(std::int32_t number) const noexcept {
    if (number < 1 || number > TokenCount()) return 0;
    return tokens_[number - 1].VALUECOUNT;
}

std::int32_t Scanner::Find(std::string_view item, std::int32_t from) const noexcept {
    item = rt::TrimTrailingSpaces(item);
    for (std::int32_t n = std::max(from, 1); n <= TokenCount(); ++n) {
        if (rt::TrimTrailingSpaces(Item(n)) == item) return n;
    }
    return 0;
}

const TokenQueue* Scanner::Current() const noexcept {
    return current_ < 0 ? nullptr : &tokens_[current_];
}

std::string_view Scanner::ArgumentText(const TokenQueue& token, std::int32_t n) const noexcept {
    if (n < 1 || n > token.VALUECOUNT) return {};
    const ArgumentQueue& argument = arguments_[token.VALUE + n - 1];
    if (argument.R < argument.L) return {};
    return Slice(argument.L, argument.R);
}

std::string_view Scanner::TokenItem(std::int32_t number) noexcept {
    if (number < 1 || number > TokenCount()) {
        current_ = -1;
        return {};
    }
    current_ = number - 1;
    return Item(number);
}

std::string_view Scanner::TokenItem(std::string_view item) noexcept {
    return TokenItem(Find(item));
}

std::string_view Scanner::CurrentItem() const noexcept {
    return current_ < 0 ? std::string_view() : Item(current_ + 1);
}

std::string_view Scanner::Argument(std::int32_t number, std::int32_t n) noexcept {
    TokenItem(number);
    if (current_ < 0) return {};
    TokenQueue& token = tokens_[current_];
    if (n < 1 || n > token.VALUECOUNT) return {};
    token.CURRENT = n;
    return ArgumentText(token, n);
}

std::string_view Scanner::Argument(std::string_view item, std::int32_t n) noexcept {
    return Argument(Find(item), n);
}

std::string_view Scanner::CurrentArgument() const noexcept {
    const TokenQueue* token = Current();
    return token == nullptr ? std::string_view() : ArgumentText(*token, token->CURRENT);
}

void Scanner::Arguments(std::string& out) const {
    out.clear();
    const TokenQueue* token = Current();
    if (token == nullptr) return;
    bool blank = true;
    for (std::int32_t n = 1; n <= token->VALUECOUNT; ++n) {
        AppendPart(out, blank, ',', ArgumentText(*token, n));
    }
}

std::string Scanner::Arguments() const {
    std::string out;
    Arguments(out);
    return out;
}

std::string Scanner::ArgumentsOf(std::string_view item) {
    TokenItem(item);
    return Arguments();
}

void Scanner::Join(std::string& out, std::int32_t first, std::int32_t last, bool toEnd,
                   std::string_view separator, bool useOwnSeparator) const {
    out.clear();
    char glue = kBlank;
    if (useOwnSeparator) {
        if (!delimiters_.empty()) glue = delimiters_.front();
    } else if (!separator.empty()) {
        glue = separator.front();
    }
    if (toEnd) last = TokenCount();
    last = std::min(last, TokenCount());
    bool blank = true;
    for (std::int32_t n = std::max(first, 1); n <= last; ++n) {
        AppendPart(out, blank, glue, TokenText(n));
    }
}

std::string_view Scanner::JoinedInLine(std::int32_t first, char glue) const noexcept {
    first = std::max(first, 1);
    if (first > TokenCount()) return {};
    for (std::int32_t n = first; n < TokenCount(); ++n) {
        const TokenQueue& token = tokens_[n - 1];
        // 1-based TEXTR is the 0-based position of the character after it.
        if (tokens_[n].TEXTL != token.TEXTR + 2 ||
            line_[static_cast<std::size_t>(token.TEXTR)] != glue) {
            return {};
        }
    }
    const std::string_view joined = Slice(tokens_[first - 1].TEXTL, tokens_.back().TEXTR);
    return joined.size() <= kMaxResult ? joined : std::string_view();
}

std::string Scanner::Join(std::int32_t first, std::int32_t last, bool toEnd,
                          std::string_view separator, bool useOwnSeparator) const {
    std::string out;
    Join(out, first, last, toEnd, separator, useOwnSeparator);
    return out;
}

std::string RemoveChars(std::string_view text, std::string_view set, bool useDefaultSet) {
    if (text.size() > Scanner::kMaxResult) return {};
    if (useDefaultSet) set = " ";
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (set.find(c) == std::string_view::npos) out.push_back(c);
    }
    return out;
}

}  // namespace dictionary
