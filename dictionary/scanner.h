#pragma once

// The tokeniser for lines of dictionary text.
//
// Split() cuts one line into tokens at delimiter characters outside brackets
// and quotes; each token has an item (the text before its first "(") and,
// when it ends with ")", the arguments between the parentheses cut at every
// comma. The line is copied once, or not at all for a caller that keeps its
// lines in place (KeepLinesInPlace); tokens and arguments are 1-based
// positions into the line, and every text returned as a std::string_view
// refers into it and stays valid until the next Split() or Dispose().
//
// A scanner holds one line at a time and is not safe for concurrent use.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dictionary {

// One argument of a token: positions L to R of the line (R = L - 1 when empty).
struct ArgumentQueue {
    std::int32_t L = 0;
    std::int32_t R = -1;
};

// One token of the line.
struct TokenQueue {
    std::int32_t ID = 0;
    std::int32_t TEXTL = 0;  // first character of the token
    std::int32_t TEXTR = 0;  // last character of the token
    std::int32_t ITEML = 0;  // first character of the item (= TEXTL)
    std::int32_t ITEMR = 0;  // last character of the item
    // The token's arguments are VALUECOUNT rows of the scanner's argument
    // store starting at index VALUE; VALUE is -1 when the token has none.
    std::int32_t VALUE = -1;
    std::int32_t VALUECOUNT = 0;
    std::int32_t CURRENT = 0;  // number of the token's current argument (0: none)
};

class Scanner {
  public:
    static constexpr std::size_t kMaxDelimiters = 10;
    static constexpr std::size_t kMaxResult = 1000;  // limit of built results

    Scanner() { Init(); }

    // Empties the token list and sets the delimiters to ", ".
    void Init();

    // Normalises the line and cuts it into tokens; returns the token count.
    // The delimiters are the scanner's own when useOwnDelimiters is set,
    // else the given ones (at most ten characters are used).
    std::int32_t Split(std::string_view line, std::string_view delimiters, bool useOwnDelimiters);
    std::int32_t Split(std::string_view line) { return Split(line, {}, true); }

    // Splits the line with the scanner's own delimiters only as far as its
    // first `tokens` tokens (all of them when it has no more), for a caller
    // that may need no more: until Complete(), only those tokens, their
    // items and their arguments may be asked for. Returns their count.
    std::int32_t SplitFirst(std::string_view line, std::int32_t tokens);
    // Cuts the rest of a line that SplitFirst() left unfinished.
    void Complete();

    std::int32_t TokenCount() const noexcept { return static_cast<std::int32_t>(tokens_.size()); }

    // Selects a token by number, or the first token whose item equals the
    // text (case-sensitive, trailing blanks not significant), and returns
    // its item. A failed lookup clears the current token and returns "".
    std::string_view TokenItem(std::int32_t number) noexcept;
    std::string_view TokenItem(std::string_view item) noexcept;
    std::string_view CurrentItem() const noexcept;

    // Selects a token as TokenItem() does, then its argument n, which
    // becomes the token's current argument. "" when there is none.
    std::string_view Argument(std::int32_t number, std::int32_t n) noexcept;
    std::string_view Argument(std::string_view item, std::int32_t n) noexcept;
    // The current argument of the current token: the one last selected by
    // Argument(), else the token's last argument. "" when none.
    std::string_view CurrentArgument() const noexcept;

    // All arguments of the current token joined with ","; a result that is
    // still blank is replaced by the next argument, so leading empty
    // arguments vanish. Cut at 1000 characters.
    std::string Arguments() const;
    void Arguments(std::string& out) const;
    // Selects the first token with the item and returns Arguments().
    std::string ArgumentsOf(std::string_view item);

    // The texts of tokens first to last (to the last token when toEnd is
    // set) joined by one separator character: the first of the scanner's
    // delimiters when useOwnSeparator is set, else the first character of
    // the given separator (a blank when it is empty). Cut at 1000 characters.
    std::string Join(std::int32_t first, std::int32_t last, bool toEnd, std::string_view separator,
                     bool useOwnSeparator) const;
    void Join(std::string& out, std::int32_t first, std::int32_t last, bool toEnd,
              std::string_view separator, bool useOwnSeparator) const;

    // What Join(first, 0, true, glue) would give, as a view into the line,
    // when the line holds it as it is (the tokens separated by one glue
    // character each); an empty view otherwise, or when there are no tokens.
    std::string_view JoinedInLine(std::int32_t first, char glue) const noexcept;

    // Frees the line and every token; the scanner is then empty.
    void Dispose() noexcept;

    // When set, Split() keeps a view of the line it is given instead of a
    // copy: the caller keeps that line's characters in place until the next
    // Split() or Dispose(), and the texts returned point into them.
    void KeepLinesInPlace(bool inPlace) noexcept { inPlace_ = inPlace; }

    // Read access without selecting anything.
    std::string_view Line() const noexcept { return line_; }
    std::span<const TokenQueue> Q() const noexcept { return tokens_; }
    std::span<const ArgumentQueue> Value(const TokenQueue& token) const noexcept;
    std::string_view Slice(std::int32_t left, std::int32_t right) const noexcept;
    std::string_view TokenText(std::int32_t number) const noexcept;
    std::string_view Item(std::int32_t number) const noexcept;
    std::int32_t ArgumentCount(std::int32_t number) const noexcept;
    // Number of the first token from `from` on whose item equals the text; 0 when none.
    std::int32_t Find(std::string_view item, std::int32_t from = 1) const noexcept;
    std::int32_t CurrentToken() const noexcept { return current_ + 1; }

    std::string_view Delimiters() const noexcept { return delimiters_; }
    void SetDelimiters(std::string_view delimiters);

  private:
    void Emit(std::size_t s, std::size_t end, std::size_t opener);

    // Where an unfinished scan goes on (kNone once the line is cut whole),
    // where its token under way starts, and that token's first opener.
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t scanAt_ = kNone;
    std::size_t tokenStart_ = 0;
    std::size_t opener_ = kNone;
    const TokenQueue* Current() const noexcept;
    std::string_view ArgumentText(const TokenQueue& token, std::int32_t n) const noexcept;

    // The delimiters and openers of the last Split(), by character.
    void Classify(std::string_view delimiters);
    void Start(std::string_view line, std::string_view delimiters);
    void Scan(std::size_t wanted);

    std::string copy_;       // the line, when it is copied
    std::string_view line_;  // the line being scanned
    bool inPlace_ = false;
    std::vector<TokenQueue> tokens_;
    std::vector<ArgumentQueue> arguments_;  // the argument lists of all tokens
    std::vector<char> closers_;             // expected closing characters while scanning
    std::string delimiters_;
    std::string classified_;                   // the delimiters `classes_` was made for
    std::array<std::uint8_t, 256> classes_{};  // what each character does outside quotes
    bool classesMade_ = false;
    std::int32_t current_ = -1;  // index of the current token
};

// The text without every character that occurs in the set (one blank when
// useDefaultSet is set). A text longer than 1000 characters yields "".
std::string RemoveChars(std::string_view text, std::string_view set, bool useDefaultSet);
inline std::string RemoveChars(std::string_view text) {
    return RemoveChars(text, {}, true);
}

}  // namespace dictionary
