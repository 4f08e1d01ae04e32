// A failing allocation put where the program must survive one: with the
// environment variable VELMORA_FAIL_ALLOCATION naming a phase ("layout",
// "export"), that phase throws std::bad_alloc as an allocation the system
// refused would. How tests show that a failure there is caught and told,
// not fatal.
#pragma once

namespace AllocationFailure {

constexpr const char *variable = "VELMORA_FAIL_ALLOCATION";

// Throws std::bad_alloc when the variable names `phase`.
void injectAt(const char *phase);

} // namespace AllocationFailure
