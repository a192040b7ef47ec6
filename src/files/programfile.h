// Program files: 32 lines of Windows-1252 text, one cell per line, each
// line ended by CR LF. Read leniently, written atomically.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "machine/state.h"

namespace paxamon {

// Larger files are refused: no program comes near this size.
inline constexpr std::size_t kMaxProgramFileSize = 1024 * 1024;

// The 32 texts of a file's content. A line ends at CR (an LF right after it
// belongs to the line end), Ctrl+Z ends the content, missing lines are
// empty, lines after the 32nd are ignored, texts are taken whole.
CellTexts parseProgram(std::string_view bytes);

// The file content of 32 texts: each written unchanged, followed by CR LF.
std::string formatProgram(const CellTexts& texts);

// Whether something of this name exists (a file that cannot be read counts).
bool programFileExists(const std::filesystem::path& path);

// Reads the whole file first; fails when it cannot be opened or read, or
// when it is larger than kMaxProgramFileSize.
std::optional<CellTexts> loadProgramFile(const std::filesystem::path& path);

// Writes a temporary file beside the target and renames it over the target,
// so a failure leaves an existing file as it was and no temporary behind.
// An existing file keeps its permission bits; a link is followed.
bool saveProgramFile(const std::filesystem::path& path, const CellTexts& texts);

}  // namespace paxamon
