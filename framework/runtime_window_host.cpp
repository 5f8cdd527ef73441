#include "framework/runtime_window_host.h"

#include "runtime/program_threads.h"

namespace framework {

bool RuntimeWindowHost::Accept() {
    return window_.Accept();
}
void RuntimeWindowHost::Cycle() {
    window_.Cycle();
}
int RuntimeWindowHost::Event() const {
    return rt::CurrentEvent();
}
int RuntimeWindowHost::Control() const {
    return rt::CurrentControl();
}
int RuntimeWindowHost::KeyCode() const {
    return rt::KeyCode();
}
void RuntimeWindowHost::SetKeyCode(int keyCode) {
    rt::SetKeyCode(keyCode);
}
void RuntimeWindowHost::PostToWindow(int eventNumber, int control) {
    window_.Ref().PostEvent(eventNumber, control);
}
void RuntimeWindowHost::Select(int control) {
    window_.Ref().Select(control);
}
int RuntimeWindowHost::FocusedControl() const {
    return window_.Ref().FocusedControl();
}
void RuntimeWindowHost::Display() {
    window_.Ref().Display();
}
bool RuntimeWindowHost::RedisplayRefused() const {
    return window_.Ref().IsIconized();
}
void RuntimeWindowHost::Beep() {
    rt::Beep();
}

}  // namespace framework
