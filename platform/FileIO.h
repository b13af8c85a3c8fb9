#pragma once
// Whole-file reads and writes, and the line breaks of page files.
//
// Files are read and written whole within one command. A write never leaves
// a half-written file behind: the new contents go to a temporary file in the
// same folder, which then replaces the old file in one step.

#include <cstddef>
#include <string>
#include <string_view>

// The file's bytes. Raises EFOpenError when the file cannot be opened (it is
// missing, a folder, or not readable) and EReadError when reading fails.
std::string ReadWholeFile(const std::string& path);

// The bytes of a file a user chose, read only when it is a regular file of
// at most maxSize bytes. A FIFO, a device or a socket is refused without
// waiting on it (EFOpenError, "Cannot open file <path>: it is not a file");
// a larger file is refused before a byte is read (EReadError whose text is
// "Cannot open file <path>: " + tooLarge).
std::string ReadRegularFile(const std::string& path, std::size_t maxSize, const std::string& tooLarge);

// Replaces the file's contents with data, or creates it. The old file keeps
// its permissions (a new one gets the usual 0666 less the umask); a symbolic
// link is written through to the file it points at. On failure the old file
// is left untouched and no temporary file stays behind: EFCreateError when
// the file cannot be created (folder not writable, file read-only, a folder
// in the way), EWriteError when writing or replacing fails (disk full).
void WriteFileAtomically(const std::string& path, std::string_view data);

// File bytes to the editor's text: CR LF, a lone CR and LF each become "\n".
std::string ToEditorText(std::string_view fileBytes);
// The editor's text to file bytes: each "\n" becomes CR LF; nothing else is
// added, so a saved page ends exactly where its text ends.
std::string ToFileText(std::string_view editorText);
