// Invariants of the core on arbitrary input, checked by the libFuzzer
// targets and by a test that replays the seed corpus. A violation prints
// what failed and aborts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace paxamon::fuzz {

// The input as a program file: parsed, formatted and parsed again, and
// loaded, saved and loaded again, it is the same program.
void checkProgramFile(const std::uint8_t* data, std::size_t size);
// The first byte picks a cell, the rest is a program file: the notation
// keeps its rules in every cell, and Enter followed by Backspace at the
// picked cell restores the program wherever the renumbering rule says so.
void checkCellEditing(const std::uint8_t* data, std::size_t size);
// The input as a program file, run for at most 300 steps in both run modes
// and by the checker: all take the same steps, and every display fits what
// the step did.
void checkExecutor(const std::uint8_t* data, std::size_t size);
// Named in the message of a violation (the corpus replay sets it).
void setCurrentInput(std::string name);

}  // namespace paxamon::fuzz
