// The window framework's view of a runtime window.
#pragma once

#include "framework/window_host.h"
#include "runtime/window.h"

namespace framework {

class RuntimeWindowHost final : public WindowHost {
  public:
    explicit RuntimeWindowHost(rt::Window& window) : window_(window) {}

    bool Accept() override;
    void Cycle() override;
    int Event() const override;
    int Control() const override;
    int KeyCode() const override;
    void SetKeyCode(int keyCode) override;
    void PostToWindow(int eventNumber, int control) override;
    void Select(int control) override;
    int FocusedControl() const override;
    void Display() override;
    bool RedisplayRefused() const override;
    void Beep() override;

    rt::Window& Window() { return window_; }

  private:
    rt::Window& window_;
};

}  // namespace framework
