// The client side of a conversation with another program (the IDE), carried
// over the D-Bus session bus.
//
// A service such as "VelmoraWin" is the bus name "org.velmora.VelmoraWin"; the
// server offers the object "/" with the interface "org.velmora.Dde" and its
// methods Execute(s) and Request(s) -> s. A conversation starts when the name
// has an owner and goes on with that owner; the topic is not used.
//
// Every call opens a bus connection of its own and closes it again, so these
// functions work from any thread, with or without a Qt event loop, and never
// involve the GUI thread. A QCoreApplication is not needed: Qt runs the bus
// traffic on a thread of its own (the program has its QApplication anyway).
// With no session bus (DBUS_SESSION_BUS_ADDRESS unset or unreachable) no
// server is ever found.
//
// Commands and item names are sent as file names are spelled on this system
// (they carry paths); the values read back are program text (Windows-1252),
// since they end up in message boxes.
//
// Each call resets the current thread's runtime error (rt::ErrorCode) and sets
// one of these on failure:
//   601 "Invalid DDE channel"           the channel is 0, closed or unknown
//   602 "DDE channel is not open"       the server has gone, or there is no bus
//   603 "DDEexecute - invalid command"  the server answered with an error
//   605 "DDE transaction timed out"     no answer within DdeTimeout()
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rt {

using DdeChannel = std::int32_t;  // 0 = no conversation

// The process-wide time-out of every transaction, in hundredths of a second,
// measured from the moment the message is sent. 500 until set; 0 or less
// waits without limit.
void SetDdeTimeout(int hundredths);
int DdeTimeout();

// The bus name that stands for a service: "VelmoraWin" -> "org.velmora.VelmoraWin".
std::string DdeBusName(std::string_view service);

// Whether a server for `service` is there now. Opens no conversation.
bool DdeServerPresent(std::string_view service);

// Opens a conversation with the server of `service`; returns its channel, or 0
// when no server owns the name (or there is no bus). Does not wait for a
// server to appear and sets no error when there is none.
DdeChannel DdeClient(std::string_view service, std::string_view topic = {});

// Sends `command` and waits for the server's acknowledgement. On return
// ErrorCode() is 0 when the server acknowledged it positively.
void DdeExecute(DdeChannel channel, std::string_view command);

// Asks the server for `item` and returns its value ("" on failure, see
// ErrorCode()).
std::string DdeRead(DdeChannel channel, std::string_view item);

// Ends the conversation; the channel is invalid afterwards.
void DdeClose(DdeChannel channel);

}  // namespace rt
