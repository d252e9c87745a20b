#include "text/text_file_writer.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <locale>
#include <memory>
#include <ostream>
#include <random>
#include <streambuf>

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
    case EFBIG:
      return "το αρχείο θα ξεπερνούσε το μεγαλύτερο μέγεθος αρχείου που επιτρέπεται";
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

[[noreturn]] void fail(const std::string& path, const std::string& reason) {
  throw UserError("Δεν ήταν δυνατή η εγγραφή του αρχείου «" + path + "»: " + reason + ".");
}

/// The folder a file path lies in: "." for a bare name, "/" for a file of the root.
std::string folderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

/// The name of a file in its folder: what follows the last '/'.
std::string baseNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
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

/// The longest file name the folder takes.
std::size_t longestNameIn(const std::string& folder) {
  const long longest = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  return longest > 0 ? static_cast<std::size_t>(longest) : NAME_MAX;
}

constexpr char kTemporaryMark[] = ".tmp-";
constexpr std::size_t kTemporaryLetters = 6;

/// The start of every temporary name of `target`, without its folder: a hidden name that says
/// whose temporary it is, ".photo.txt.tmp-" for "photo.txt", followed by six random letters.
/// Hidden, so that the open and save dialogs and file managers do not list it beside the
/// outputs, and no filter such as "*.txt" matches it; should a user see it all the same, it
/// names the file it belongs to and says that it is temporary. A target name too long to leave
/// room for the rest is cut, at the start of a UTF-8 character, so that the name fits.
std::string temporaryNamePrefix(const std::string& target) {
  std::string name = baseNameOf(target);
  const std::size_t room = longestNameIn(folderOf(target));
  const std::size_t extra = 1 + (sizeof kTemporaryMark - 1) + kTemporaryLetters;
  if (name.size() + extra > room) {
    std::size_t cut = room > extra ? room - extra : 0;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.resize(cut);
  }
  return "." + name + kTemporaryMark;
}

/// `target` up to and including its last '/': what a name in the same folder starts with.
std::string folderPartOf(const std::string& target) {
  const std::size_t slash = target.find_last_of('/');
  return slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
}

/// Whether `name` is one of the temporary names that start with `prefix`.
bool isTemporaryName(const std::string& name, const std::string& prefix) {
  if (name.size() != prefix.size() + kTemporaryLetters || name.compare(0, prefix.size(), prefix))
    return false;
  for (std::size_t i = prefix.size(); i < name.size(); ++i) {
    if (!std::isalnum(static_cast<unsigned char>(name[i]))) return false;
  }
  return true;
}

/// A temporary name for `target`, with its folder: temporaryNamePrefix and six random letters.
std::string randomTemporaryPath(const std::string& target) {
  static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  static std::mt19937 generator{std::random_device{}()};
  std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof kLetters) - 2);
  std::string path = folderPartOf(target) + temporaryNamePrefix(target);
  for (std::size_t i = 0; i < kTemporaryLetters; ++i) path += kLetters[pick(generator)];
  return path;
}

/// Creates a new, empty file next to `target` with a temporary name (randomTemporaryPath),
/// holding an exclusive lock on it, and returns its descriptor. Like mkstemp, but with the mode
/// 0666 so that the process umask applies to a new file just as it would to the target written
/// directly. The lock lasts until the descriptor is closed or the process ends, killed or not:
/// it tells a later save that the file is in use (removeLeftovers).
int createTemporary(const std::string& target, const std::string& shownPath,
                    std::string& temporaryPath) {
  int lastError = EEXIST;
  for (int attempt = 0; attempt < 100 && lastError == EEXIST; ++attempt) {
    temporaryPath = randomTemporaryPath(target);
    const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      lastError = errno;
      continue;
    }
    // Between its creation and the lock another save may have found the file unlocked and
    // removed it as a leftover: then the name no longer leads to this file; start again.
    ::flock(fd, LOCK_EX);
    struct stat opened {};
    struct stat named {};
    if (::fstat(fd, &opened) == 0 && ::lstat(temporaryPath.c_str(), &named) == 0 &&
        opened.st_dev == named.st_dev && opened.st_ino == named.st_ino) {
      return fd;
    }
    ::close(fd);
  }
  fail(shownPath, creationFailure(lastError, target));
}

/// Gives the existing file `target` a second, temporary name (randomTemporaryPath); returns it,
/// or an empty text when `target` does not exist or the link fails.
std::string linkUnderTemporaryName(const std::string& target) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    const std::string link = randomTemporaryPath(target);
    if (::link(target.c_str(), link.c_str()) == 0) return link;
    if (errno != EEXIST) break;
  }
  return {};
}

/// Removes the temporaries of `target` that earlier saves left behind (a program killed while it
/// wrote): the files of its folder with its temporary names that no save holds locked. A save
/// that is still writing holds its lock, so its file stays. Failures are ignored: the leftovers
/// then wait for the next save.
void removeLeftovers(const std::string& target) {
  const std::string prefix = temporaryNamePrefix(target);
  DIR* const listing = ::opendir(folderOf(target).c_str());
  if (listing == nullptr) return;
  const int folder = ::dirfd(listing);
  while (const dirent* entry = ::readdir(listing)) {
    const std::string name = entry->d_name;
    if (!isTemporaryName(name, prefix)) continue;
    const int fd =
        ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat opened {};
    struct stat named {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 &&
        S_ISREG(opened.st_mode) &&
        ::fstatat(folder, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        opened.st_dev == named.st_dev && opened.st_ino == named.st_ino) {
      ::unlinkat(folder, name.c_str(), 0);
    }
    ::close(fd);
  }
  ::closedir(listing);
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
    if (!released_) ::unlink(path_.c_str());
    if (fd_ >= 0) ::close(fd_);
  }
  int fd() const { return fd_; }
  const std::string& path() const { return path_; }
  void release() { released_ = true; }

 private:
  std::string path_;
  int fd_;
  bool released_ = false;
};

/// A stream buffer that writes to a file descriptor and keeps the errno of the first write that
/// failed, so that a full disk is named as such.
class DescriptorBuffer : public std::streambuf {
 public:
  explicit DescriptorBuffer(int fd) : fd_(fd), buffer_(kBytes) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
  }
  /// errno of the first failed write, or 0.
  int error() const { return error_; }

 protected:
  int_type overflow(int_type c) override {
    if (!drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override { return drain() ? 0 : -1; }

 private:
  static constexpr std::size_t kBytes = 64 * 1024;

  bool drain() {
    const char* p = pbase();
    while (error_ == 0 && p < pptr()) {
      const ssize_t written = ::write(fd_, p, static_cast<std::size_t>(pptr() - p));
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) {
        error_ = written < 0 ? errno : EIO;
        break;
      }
      p += written;
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0;
  }

  int fd_;
  std::vector<char> buffer_;
  int error_ = 0;
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
  if (baseNameOf(staged.target).size() > longestNameIn(folderOf(staged.target))) {
    fail(path, reasonFor(ENAMETOOLONG));
  }

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

  DescriptorBuffer buffer(temporary.fd());
  std::ostream out(&buffer);
  out.imbue(std::locale::classic());
  file.body(out);
  out.flush();
  if (buffer.error() != 0) fail(path, reasonFor(buffer.error()));
  if (!out) fail(path, "η εγγραφή των δεδομένων απέτυχε");
  if (::fsync(temporary.fd()) != 0) fail(path, reasonFor(errno));
  return staged;
}

/// Makes the renames in a folder durable; a failure here no longer affects content.
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
  // of them leaves all the targets as they were. The renames then follow one another with
  // nothing in between, so that the targets change as nearly together as renames allow; the
  // folders are synced after the last.
  std::vector<StagedFile> staged;
  staged.reserve(files.size());
  for (const FileContent& file : files) staged.push_back(stage(file));
  // A rename over a file frees the replaced file's blocks before it returns, and a kill takes
  // effect only then: an extra link keeps each replaced file alive until every rename is done,
  // so the renames themselves stay short. The links get temporary names, so that a kill leaves
  // nothing the next save would not remove.
  std::vector<std::string> keptAlive;
  if (staged.size() > 1) {
    for (const StagedFile& file : staged) {
      std::string link = linkUnderTemporaryName(file.target);
      if (!link.empty()) keptAlive.push_back(std::move(link));
    }
  }
  for (StagedFile& file : staged) {
    if (::rename(file.temporary->path().c_str(), file.target.c_str()) != 0) {
      fail(file.shownPath, reasonFor(errno));
    }
    file.temporary->release();
  }
  for (const std::string& link : keptAlive) ::unlink(link.c_str());
  for (const StagedFile& file : staged) syncFolderOf(file.target);
  for (const StagedFile& file : staged) removeLeftovers(file.target);
}

void replaceFileAtomically(const std::string& path,
                           const std::function<void(std::ostream&)>& body) {
  replaceFilesTogether({FileContent{path, body}});
}

}  // namespace suite
