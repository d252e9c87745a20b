#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace suite {

/// Writes one UTF-8 line in Windows-1253 followed by CR LF. A line that the code page cannot
/// hold throws UserError (see toWindows1253) before any of its bytes is written.
void writeLine(std::ostream& out, std::string_view utf8Line);

/// Writes UTF-8 text in Windows-1253 with no line end.
void writeText(std::ostream& out, std::string_view utf8Text);

/// Replaces the file at `path` atomically: `body` writes the whole content into a temporary file
/// in the same folder, which is renamed over `path` only when `body` returned and every byte
/// reached the disk. If `body` throws, or writing, flushing or renaming fails, the temporary
/// file is removed, any existing file at `path` is left byte for byte as it was, and the error
/// propagates (I/O failures as UserError naming the file: "Δεν ήταν δυνατή η εγγραφή του
/// αρχείου «path»: reason."). `body` writes through a stream in the classic locale.
/// The temporary file is a hidden file named after the target, ".out.txt.tmp-Ab3xQz" for
/// "out.txt", so that neither the program's dialogs nor a file manager list it beside the
/// outputs; it is locked while it is written. One that a killed program left behind is removed
/// by the next successful save of the same target. A replaced file keeps its permission bits; a
/// new file gets 0666 less the umask. A symbolic link is kept and the file it points to is
/// replaced. A path that names a folder or a device, a missing folder, a folder without write
/// permission or one that takes no new files (/proc), a name too long for the folder and an
/// empty path fail with UserError before `body` runs. A disk that fills up while the file is
/// written fails with "ο δίσκος είναι γεμάτος".
void replaceFileAtomically(const std::string& path, const std::function<void(std::ostream&)>& body);

/// One file of a replacement: its path and the body that writes its whole content.
struct FileContent {
  std::string path;
  std::function<void(std::ostream&)> body;
};

/// Replaces several files as one step: every file is written in full to its temporary and
/// synced before the first is renamed over its target, so a failure in writing any of them
/// leaves every target as it was; the renames then follow one another at once, so that only a
/// kill within those few microseconds leaves targets from different saves. Same checks and
/// messages as replaceFileAtomically.
void replaceFilesTogether(const std::vector<FileContent>& files);

}  // namespace suite
