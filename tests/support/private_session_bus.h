// A D-Bus session bus of the test's own: a dbus-daemon started as a child
// process, announced through DBUS_SESSION_BUS_ADDRESS and stopped (with every
// bus client that ends when its bus goes) when the object is destroyed.
#pragma once

#include <string>

namespace testsupport {

class PrivateSessionBus {
  public:
    // Starts the daemon and waits for its address; Started() tells whether it
    // worked. The previous DBUS_SESSION_BUS_ADDRESS is restored afterwards.
    PrivateSessionBus();
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    bool Started() const { return !address_.empty(); }
    const std::string& Address() const { return address_; }

  private:
    int pid_ = 0;
    std::string address_;
    bool hadAddress_ = false;
    std::string previousAddress_;
};

}  // namespace testsupport
