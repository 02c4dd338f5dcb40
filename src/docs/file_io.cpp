#include "docs/file_io.h"

#include "docs/sheet_format.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileResult Failure(int error)
{
    return {false, std::strerror(error)};
}

FileResult NotRegular(const struct stat& st)
{
    if (S_ISDIR(st.st_mode)) return Failure(EISDIR);
    return {false, "Not a regular file"};
}

class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd)
    {
    }
    ~Descriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports the result: a close can be where a write fails.
    bool Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool ReadAll(int fd, std::string& out)
{
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        out.append(chunk, std::size_t(n));
        if (out.size() > std::size_t(kMaxReadBytes)) return true;
    }
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(std::size_t(n));
    }
    return true;
}

// A link is written through: the file it names is replaced, the link stays.
std::string WriteTarget(const std::string& path)
{
    char resolved[PATH_MAX];
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && ::realpath(path.c_str(), resolved)) return resolved;
    return path;
}

std::string FolderOf(const std::string& path)
{
    const std::string folder = FolderOfPath(path);
    return folder.empty() ? "." : folder;
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The rename is durable only once the folder itself is on disk.
void SyncFolder(const std::string& folder)
{
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

} // namespace

FileResult ReadWholeFile(const std::string& path, const std::function<void(std::string_view)>& use)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return Failure(errno);
    if (!S_ISREG(st.st_mode)) return NotRegular(st);
    // Non-blocking, and checked again once open, in case the name now
    // names something else.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) return Failure(errno);
    if (::fstat(fd.get(), &st) != 0) return Failure(errno);
    if (!S_ISREG(st.st_mode)) return NotRegular(st);
    if (st.st_size > kMaxReadBytes) return {false, "The file is too large to be a data sheet"};
    std::string all;
    all.reserve(std::size_t(st.st_size));
    if (!ReadAll(fd.get(), all)) return Failure(errno);
    if (all.size() > std::size_t(kMaxReadBytes)) return {false, "The file is too large to be a data sheet"};
    use(all);
    return {};
}

FileResult WriteFileSafely(const std::string& path, std::string_view bytes)
{
    const std::string target = WriteTarget(path);
    struct stat st;
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) return NotRegular(st);
    // Hidden beside the file, and short enough for the longest file name.
    std::string temp = FolderOf(target) + "/." + LastPathComponent(target).substr(0, 200) + ".XXXXXX";
    Descriptor fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.get() < 0) return Failure(errno);
    const mode_t mode = exists ? (st.st_mode & 07777) : NewFileMode();
    bool ok = ::fchmod(fd.get(), mode) == 0 && WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    int error = errno;
    if (!fd.Close() && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return Failure(error);
    }
    SyncFolder(FolderOf(target));
    return {};
}
