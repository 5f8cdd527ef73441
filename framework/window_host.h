// What the window framework needs of the runtime window it drives. The
// runtime window implements it; framework tests use a scripted fake.
#pragma once

namespace framework {

class WindowHost {
  public:
    virtual ~WindowHost() = default;
    // The event loop: the next event, false once the window has closed.
    virtual bool Accept() = 0;
    // Skip the runtime's default handling of the event just returned.
    virtual void Cycle() = 0;
    virtual int Event() const = 0;
    virtual int Control() const = 0;  // 0 for an event of the window itself
    virtual int KeyCode() const = 0;
    virtual void SetKeyCode(int keyCode) = 0;
    virtual void PostToWindow(int eventNumber, int control = 0) = 0;
    virtual void Select(int control) = 0;
    virtual int FocusedControl() const = 0;
    virtual void Display() = 0;
    // True while the runtime refuses to redisplay the window (minimised).
    virtual bool RedisplayRefused() const = 0;
    virtual void Beep() = 0;
};

}  // namespace framework
