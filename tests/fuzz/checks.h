// Invariants of the core on arbitrary input, checked by the libFuzzer
// targets and by a test that replays the seed corpus. A violation prints
// what failed and aborts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace paxamon::fuzz {

// The input as a program file: parsed, formatted and parsed again it is the
// same program; loaded from a file, saved and loaded again too.
void checkProgramFile(const std::uint8_t* data, std::size_t size);

// The first byte picks a cell, the rest is a program file. The notation
// holds its rules for every cell, and Enter (an empty cell opened there)
// followed by Backspace (that cell removed again) restores the program
// wherever the renumbering rule makes that its documented result.
void checkCellEditing(const std::uint8_t* data, std::size_t size);

// The input as a program file, run for a bounded number of steps in both
// run modes: both take the same steps, and every display fits what the
// step did.
void checkExecutor(const std::uint8_t* data, std::size_t size);

// Named in the message of a violation (the corpus replay sets it).
void setCurrentInput(std::string name);

}  // namespace paxamon::fuzz
