// The IDE's "autopick" setting, switched off while the IDE is being launched.
#pragma once

#include <string>

#include "runtime/core/ide_settings.h"

namespace app {

// Reads "autopick" in section "Environment" of the IDE's settings file and, when
// it holds a value, writes "off" there; the value is written back by Restore()
// or, at the latest, when the object goes, however the launch ends. A missing
// file or key, or a blank value, is left alone: the file is not written at
// all. So is a file that cannot be written (read-only): nothing is switched
// off, so nothing needs restoring.
class AutopickSuspension {
  public:
    explicit AutopickSuspension(std::string settingsFile = rt::kIdeSettingsFile);
    ~AutopickSuspension();
    AutopickSuspension(const AutopickSuspension&) = delete;
    AutopickSuspension& operator=(const AutopickSuspension&) = delete;

    // Writes the saved value back once; later calls do nothing. Returns false
    // when the write failed (the setting then stays "off").
    bool Restore();

    // The value found, "" when there was none.
    const std::string& SavedValue() const { return saved_; }
    // Whether "off" was written and is still to be undone.
    bool SwitchedOff() const { return switchedOff_; }

  private:
    std::string file_;
    std::string saved_;
    bool switchedOff_ = false;
};

}  // namespace app
