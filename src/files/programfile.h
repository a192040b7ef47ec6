// Program files: 32 lines of Windows-1252 text, one cell per line, each
// line ended by CR LF. Read leniently, never blocking on what is no file.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "machine/state.h"

namespace paxamon {

// The most text the 32 cells of a program file may hold together; no
// program comes near it. Loading refuses more, and so does saving, so that
// whatever loads also saves and loads again.
inline constexpr std::size_t kMaxProgramTextSize = 1024 * 1024;
// The largest file read: that text and the 32 line ends saving adds.
inline constexpr std::size_t kMaxProgramFileSize = kMaxProgramTextSize + 2 * kCellCount;

// The 32 texts of a file's content. A line ends at CR (an LF right after it
// belongs to the line end), Ctrl+Z ends the content, missing lines are
// empty, lines after the 32nd are ignored, texts are taken whole.
CellTexts parseProgram(std::string_view bytes);

// The file content of 32 texts: each written unchanged, followed by CR LF.
std::string formatProgram(const CellTexts& texts);

// Whether something of this name exists (a file that cannot be read counts).
bool programFileExists(const std::filesystem::path& path);

// Why a program could not be read.
enum class LoadFailure {
  None,
  Missing,         // nothing of that name (or a folder on its way is missing)
  Folder,          // the name is a folder
  NotRegularFile,  // a device, FIFO or socket
  TooLarge,        // a file or its program text over the limits above
  Unreadable,      // no permission, or reading failed
  LinkLoop,        // symbolic links that lead round in a circle
};

struct LoadResult {
  CellTexts texts;  // the program; all empty after a failure
  LoadFailure failure = LoadFailure::None;

  bool ok() const { return failure == LoadFailure::None; }
  explicit operator bool() const { return ok(); }
};

// What a reader takes besides regular files.
enum class FileKinds {
  // Regular files only. Anything else is refused without waiting: the name
  // is opened non-blocking and its type checked before a byte is read.
  RegularOnly,
  // Pipes, FIFOs and devices too, read like every command-line tool reads
  // them (a FIFO waits for its writer); still bounded by the size limit.
  Streams,
};

// Reads the whole file before it returns, so a failure leaves nothing half
// read.
LoadResult loadProgramFile(const std::filesystem::path& path,
                           FileKinds kinds = FileKinds::RegularOnly);

// Reads a program from a descriptor that is already open (standard input),
// whatever it is but a folder; the descriptor stays open.
LoadResult readProgramFrom(int fd);

// Saves so that a failure leaves an existing file as it was, and the file
// keeps its identity: owner, group, mode, hard links, and symbolic links,
// which are followed (a dangling one creates its target; a loop fails).
// Where it keeps all that, a temporary file beside the target is renamed
// over it; otherwise the file is rewritten in place, its old content put
// back if that fails. Only a regular file the user may write is
// overwritten; a program of more than kMaxProgramTextSize is refused.
bool saveProgramFile(const std::filesystem::path& path, const CellTexts& texts);

}  // namespace paxamon
