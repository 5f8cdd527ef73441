// The window object every window procedure runs: fields, the event loop and
// the routing of events to its virtual operations.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/toolbar_dispatcher.h"
#include "framework/window_helpers.h"
#include "framework/window_host.h"

namespace framework {

class ErrorManager;

// Results of the event operations.
namespace result {
constexpr std::uint8_t CarryOn = 0;
constexpr std::uint8_t EndLoop = 3;
constexpr std::uint8_t Declined = 4;
constexpr std::uint8_t Finished = 5;
}  // namespace result

// A window's response.
namespace response {
constexpr std::uint8_t None = 0;
constexpr std::uint8_t Completed = 1;
constexpr std::uint8_t Cancelled = 2;
}  // namespace response

// The toolbar's history button.
constexpr int kHistoryButton = 2011;

class WindowObject {
  public:
    explicit WindowObject(WindowHost& host) : host_(host) {}
    virtual ~WindowObject();
    WindowObject(const WindowObject&) = delete;
    WindowObject& operator=(const WindowObject&) = delete;

    // Fields, in declaration order.
    std::uint8_t AUTOTOOLBAR = 0;
    std::unique_ptr<std::vector<std::unique_ptr<Browse>>> BROWSES;
    std::unique_ptr<std::vector<ButtonAction>> BUTTONS;
    std::unique_ptr<std::vector<std::unique_ptr<FileDrop>>> FILEDROPS;
    std::uint8_t CANCELACTION = 0;
    std::uint8_t CHANGEACTION = 0;
    std::uint8_t DEAD = 0;
    std::uint8_t DELETEACTION = 0;
    ErrorManager* ERRORS = nullptr;
    std::unique_ptr<std::vector<std::unique_ptr<FileManager>>> FILES;
    std::int32_t FIRSTFIELD = 0;
    std::uint8_t FORCEDRESET = 0;
    std::uint8_t RESETONGAINFOCUS = 0;
    std::unique_ptr<std::vector<HistoryEntry>> HISTORY;
    std::int32_t HISTORYKEY = 0;
    std::uint8_t INITED = 0;  // bit 0: first display done; bit 1: first EVENT:Sized seen
    std::uint8_t INSERTACTION = 0;
    std::string LASTINSERTEDPOSITION;  // up to 512 characters
    std::int32_t OKCONTROL = 0;
    std::uint8_t OPENED = 0;
    std::uint8_t ORIGINALREQUEST = 0;
    RelationManager* PRIMARY = nullptr;
    std::uint8_t REQUEST = 0;
    Resizer* RESIZE = nullptr;
    std::uint8_t RESPONSE = 0;
    std::uint16_t SAVED = 0;
    ToolbarDispatcher* TOOLBAR = nullptr;
    Translator* TRANSLATOR = nullptr;
    std::atomic<std::int32_t>* VCRREQUEST = nullptr;  // shared by every window thread

    // Virtual operations, in slot order.
    virtual void EventLoop();                               // 0
    virtual std::uint8_t Setup();                           // 1
    virtual std::uint8_t Teardown();                        // 2
    virtual void FirstDisplay();                            // 3
    virtual void Reserved4() {}                             // 4
    virtual void PrepareForm() {}                           // 5
    virtual void Refresh(std::uint8_t force = 0);           // 6
    virtual void RecallHistory(int control);                // 7
    virtual std::uint8_t Execute();                         // 8
    virtual std::uint8_t Reserved9() { return 2; }          // 9
    virtual void SetAlertKeys();                            // 10
    virtual void CloseWithResponse(std::uint8_t response);  // 11
    virtual std::uint8_t OnAccepted();                      // 12
    virtual std::uint8_t OnCompleted();                     // 13
    virtual std::uint8_t OnCloseRequest();                  // 14
    virtual std::uint8_t DispatchEvent();                   // 15
    virtual std::uint8_t OnFieldEvent() { return 0; }       // 16
    virtual std::uint8_t OnNewSelection();                  // 17
    virtual std::uint8_t OnRejected();                      // 18
    virtual std::uint8_t OnSelected() { return 0; }         // 19
    virtual std::uint8_t OnWindowEvent();                   // 20
    virtual void UpdateBrowses();                           // 21

    // Attaches a toolbar dispatcher and sets it up.
    void AttachToolbar(ToolbarDispatcher& toolbar);

    WindowHost& Host() { return host_; }

  private:
    WindowHost& host_;
    bool scopeOpen_ = false;
};

}  // namespace framework
