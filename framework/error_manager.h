// The error manager: a table of error definitions raised by number. The
// message's placeholders are filled from what the raiser recorded and the
// runtime's last error, and the message is shown as its severity asks.
//
// One instance serves the whole program. Its work fields are shared by
// whoever raises, so raising is meant for one thread at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "runtime/core/cstring_field.h"

namespace framework {

// One definition in the error queue.
struct ErrorEntry {
    std::uint16_t ID = 0;
    std::string MESSAGE;  // with placeholders
    std::string TITLE;    // caption of the box
    std::uint8_t FATALITY = 0;
};

// The definitions in the order they were added, and the current entry.
class ErrorQueue {
  public:
    std::size_t Records() const { return rows_.size(); }
    // 1-based position; the position must exist.
    const ErrorEntry& Get(std::size_t position) const { return rows_.at(position - 1); }
    void Add(ErrorEntry entry) { rows_.push_back(std::move(entry)); }

    // Position of the current entry, 0 when there is none.
    std::size_t Pointer() const { return pointer_; }
    const ErrorEntry* Current() const { return pointer_ ? &rows_[pointer_ - 1] : nullptr; }
    // Makes the entry at `position` current (0, or a position past the end,
    // leaves no current entry).
    void Select(std::size_t position) { pointer_ = position <= rows_.size() ? position : 0; }

  private:
    std::vector<ErrorEntry> rows_;
    std::size_t pointer_ = 0;
};

class ErrorManager {
  public:
    // Results, on the window framework's scale.
    static constexpr std::uint8_t kCarryOn = 0;
    static constexpr std::uint8_t kDeclined = 4;
    static constexpr std::uint8_t kInformed = 5;
    static constexpr std::uint8_t kNotFound = 5;  // FindError found no definition

    // The substituted message never exceeds this many characters.
    static constexpr std::size_t kWorkSize = 2000;
    static constexpr const char* kFatalSuffix = "  Press OK to end this application";

    ErrorManager() = default;
    virtual ~ErrorManager() = default;
    ErrorManager(const ErrorManager&) = delete;
    ErrorManager& operator=(const ErrorManager&) = delete;

    // Slot 0: appends every definition of a packed table (see error_table.h)
    // to ERRORS, creating the queue when there is none. The texts are copied.
    virtual void AddErrors(std::span<const std::uint8_t> table);
    // Slot 1, severity 0: shows nothing, returns 0.
    virtual std::uint8_t HandleSilent();
    // Slot 2, severity 3: the fatal box, then the runtime's halt. Does not
    // return unless the halt's exit hook throws.
    virtual std::uint8_t HandleFatal();
    // Slot 3, severity 5: the information box; returns 5.
    virtual std::uint8_t HandleInform();
    // Slot 4, an unknown severity: HandleInternal.
    virtual std::uint8_t HandleOther();
    // Slot 5, severity 2: HandleFatal.
    virtual std::uint8_t HandleInternal();
    // Slot 6, severities 1 and 4: the question box; 0 for Yes, 4 for No.
    virtual std::uint8_t HandleAsk();

    // Creates the queue and loads the default table.
    void Setup();
    // Frees the queue; ERRORS becomes null.
    void Teardown();
    // FILENAME = name without trailing spaces.
    void SetFileName(std::string_view name);
    // Records the runtime's current error code and text and the file
    // driver's code and text (texts without trailing spaces).
    void CaptureErrors();
    // Finds the last definition of `id` and handles it by its severity;
    // returns the handler's result. A number without definition shows
    // nothing and returns 5.
    std::uint8_t RaiseError(std::uint16_t id);
    // CaptureErrors, then RaiseError.
    std::uint8_t RaiseCapturedError(std::uint16_t id);
    // Shows the substituted message of `id` with the warning icon and the
    // given buttons; returns the button pressed (0, showing nothing, for a
    // number without definition).
    unsigned AskUser(std::uint16_t id, unsigned buttons, unsigned defaultButton);
    // Scans backwards from position `from` (1-based, clamped to the queue)
    // down to 1; the first entry numbered `id` becomes current and the
    // result is 0. Otherwise the result is 5 and the current entry stays.
    std::uint8_t FindError(std::uint16_t id, std::size_t from);
    // The current entry's message with its placeholders filled; blank when
    // there is no current entry.
    std::string Substitute();

    // Fields, in the framework's order.
    std::unique_ptr<ErrorQueue> ERRORS;
    rt::CStringField<255> FIELDNAME;    // for "%Field", set by the raiser
    rt::CStringField<255> FILENAME;     // for "%File", set through SetFileName
    rt::CStringField<255> MESSAGETEXT;  // for "%Message", set by the raiser
    rt::CStringField<255> SAVEERROR;
    std::int32_t SAVEERRORCODE = 0;
    rt::CStringField<255> SAVEFILEERROR;
    rt::CStringField<255> SAVEFILEERRORCODE;

  private:
    const ErrorEntry& CurrentEntry() const;
    std::string SubstituteAt(std::size_t position);
};

}  // namespace framework
