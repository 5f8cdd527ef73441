// The helpers a window object can carry. This program's windows create none
// of them; the framework's operations call these hooks when they exist.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace framework {

class Browse {
  public:
    virtual ~Browse() = default;
    virtual void SetAlertKeys() = 0;
    virtual std::uint8_t TakeEvent() = 0;
    virtual void ResetSort(std::uint8_t force) = 0;
    virtual void UpdateButtons() = 0;
    virtual void UpdateWindow() = 0;
    virtual void Kill() = 0;
};

class FileDrop {
  public:
    virtual ~FileDrop() = default;
    virtual std::uint8_t TakeEvent() = 0;
    virtual void ResetQueue(std::uint8_t force) = 0;
    virtual void Kill() = 0;
};

class FileManager {
  public:
    virtual ~FileManager() = default;
    virtual void Close() = 0;
};

class RelationManager {
  public:
    virtual ~RelationManager() = default;
    virtual void Close() = 0;
};

class Resizer {
  public:
    virtual ~Resizer() = default;
    virtual void Kill() = 0;
};

class Translator {
  public:
    virtual ~Translator() = default;
    virtual void TranslateWindow() = 0;
};

struct HistoryEntry {
    int control = 0;
    std::string value;
};

struct ButtonAction {
    std::int32_t control = 0;
    std::uint8_t action = 0;
};

}  // namespace framework
