#pragma once

#include <functional>

// The one way the program ends outside its event loop (after the update
// installer started): the hooks registered here run first, on the calling
// thread, so the server is closed and its threads joined before the process
// is torn down; then Qt's default message handler is put back and the
// process exits with code 0.
namespace ProgramEnd {

// Registers the hook run before the process ends (one at a time: the main
// window's); an empty function removes it.
void setShutdownHook(std::function<void()> hook);

[[noreturn]] void exitNow();

} // namespace ProgramEnd
