#include "text/text_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <locale>
#include <memory>
#include <random>

#include "text/codepage.h"
#include "text/user_error.h"

namespace suite {
namespace {

/// The reason for a failed system call, in the words of the program's messages.
std::string reasonFor(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return "ο φάκελος δεν υπάρχει";
    case EACCES:
    case EPERM:
      return "δεν επιτρέπεται η εγγραφή στον φάκελο ή στο αρχείο";
    case EROFS:
      return "ο δίσκος επιτρέπει μόνο ανάγνωση";
    case ENOSPC:
    case EDQUOT:
      return "ο δίσκος είναι γεμάτος";
    case EISDIR:
      return "το όνομα ανήκει σε φάκελο";
    case EIO:
      return "σφάλμα εισόδου/εξόδου του δίσκου";
    case ENAMETOOLONG:
      return "το όνομα είναι πολύ μακρύ";
    default:
      return "σφάλμα συστήματος " + std::to_string(error);
  }
}

/// The reason for a stream that went bad. Streams do not report why, so only a full disk, which
/// the last system call leaves in errno, is named.
std::string streamFailure() {
  return errno == ENOSPC || errno == EDQUOT ? reasonFor(errno) : "η εγγραφή των δεδομένων απέτυχε";
}

[[noreturn]] void fail(const std::string& path, const std::string& reason) {
  throw UserError("Δεν ήταν δυνατή η εγγραφή του αρχείου «" + path + "»: " + reason + ".");
}

/// The folder a file path lies in: "." for a bare name, "/" for a file of the root.
std::string folderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

/// The reason a new file could not be created next to `target`. A folder that exists but takes
/// no new files (/proc, say) answers "no such file" too: it is told apart from a missing one.
std::string creationFailure(int error, const std::string& target) {
  if (error == ENOENT) {
    struct stat folder {};
    const std::string name = folderOf(target);
    if (::stat(name.c_str(), &folder) == 0 && S_ISDIR(folder.st_mode)) {
      return "στον φάκελο «" + name + "» δεν μπορεί να δημιουργηθεί αρχείο";
    }
  }
  return reasonFor(error);
}

/// Creates a new, empty file next to `target` with a name made from the target's and returns
/// its descriptor. Like mkstemp, but with the mode 0666 so that the process umask applies to
/// a new file just as it would to the target written directly.
int createTemporary(const std::string& target, const std::string& shownPath,
                    std::string& temporaryPath) {
  static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device device;
  std::mt19937 generator(device());
  std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof kLetters) - 2);
  int lastError = EEXIST;
  for (int attempt = 0; attempt < 100 && lastError == EEXIST; ++attempt) {
    temporaryPath = target + ".";
    for (int i = 0; i < 6; ++i) temporaryPath += kLetters[pick(generator)];
    const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    lastError = errno;
  }
  fail(shownPath, creationFailure(lastError, target));
}

/// The file that replacing `path` has to change: the file a symbolic link points to, so that
/// the link survives, or `path` itself.
std::string resolveTarget(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) != nullptr) return resolved;
  }
  return path;
}

/// Removes the temporary file unless released, whatever way the replacement ends.
class TemporaryFile {
 public:
  TemporaryFile(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!released_) ::unlink(path_.c_str());
  }
  int fd() const { return fd_; }
  const std::string& path() const { return path_; }
  /// Closes the descriptor; returns errno of a failed close, or 0.
  int close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }
  void release() { released_ = true; }

 private:
  std::string path_;
  int fd_;
  bool released_ = false;
};

}  // namespace

void writeLine(std::ostream& out, std::string_view utf8Line) {
  out << toWindows1253(utf8Line) << "\r\n";
}

void writeText(std::ostream& out, std::string_view utf8Text) {
  out << toWindows1253(utf8Text);
}

namespace {

/// One file written in full to its temporary, waiting to be renamed over its target.
struct StagedFile {
  std::string shownPath;
  std::string target;
  std::unique_ptr<TemporaryFile> temporary;
};

StagedFile stage(const FileContent& file) {
  const std::string& path = file.path;
  if (path.empty()) fail(path, "δεν δόθηκε όνομα αρχείου");
  StagedFile staged{path, resolveTarget(path), nullptr};

  struct stat existing {};
  const bool exists = ::stat(staged.target.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) fail(path, reasonFor(EISDIR));
  // A device or pipe is never replaced by a regular file.
  if (exists && !S_ISREG(existing.st_mode)) fail(path, "δεν είναι κανονικό αρχείο");

  std::string temporaryPath;
  const int fd = createTemporary(staged.target, path, temporaryPath);
  staged.temporary = std::make_unique<TemporaryFile>(temporaryPath, fd);
  TemporaryFile& temporary = *staged.temporary;
  // A replaced file keeps its permissions; a new one has those the umask gave the temporary.
  if (exists && ::fchmod(temporary.fd(), existing.st_mode & 07777) != 0) {
    fail(path, reasonFor(errno));
  }

  {
    std::ofstream out(temporary.path(), std::ios::binary | std::ios::trunc);
    if (!out) fail(path, reasonFor(errno));
    out.imbue(std::locale::classic());
    file.body(out);
    out.flush();
    if (!out) fail(path, streamFailure());
    out.close();
    if (out.fail()) fail(path, streamFailure());
  }
  if (::fsync(temporary.fd()) != 0) fail(path, reasonFor(errno));
  if (const int error = temporary.close(); error != 0) fail(path, reasonFor(error));
  return staged;
}

/// Makes a rename in the folder of `target` durable; a failure here no longer affects content.
void syncFolderOf(const std::string& target) {
  const int folderFd = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    ::fsync(folderFd);
    ::close(folderFd);
  }
}

}  // namespace

void replaceFilesTogether(const std::vector<FileContent>& files) {
  // Every file is written and synced before the first rename, so a failure while writing any
  // of them leaves all the targets as they were.
  std::vector<StagedFile> staged;
  staged.reserve(files.size());
  for (const FileContent& file : files) staged.push_back(stage(file));
  for (StagedFile& file : staged) {
    if (::rename(file.temporary->path().c_str(), file.target.c_str()) != 0) {
      fail(file.shownPath, reasonFor(errno));
    }
    file.temporary->release();
    syncFolderOf(file.target);
  }
}

void replaceFileAtomically(const std::string& path,
                           const std::function<void(std::ostream&)>& body) {
  replaceFilesTogether({FileContent{path, body}});
}

}  // namespace suite
