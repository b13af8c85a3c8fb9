#include "platform/FileIO.h"

#include "platform/Exception.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes a descriptor and removes the temporary file unless the write got
// through to the rename.
class TempFile {
public:
    ~TempFile()
    {
        if (fd >= 0)
            ::close(fd);
        if (!path.empty())
            ::unlink(path.c_str());
    }
    int fd = -1;
    std::string path;
};

std::string folderOf(const std::string& path)
{
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

// Follows symbolic links so that the write lands in the file a link points
// at. A link to a file that does not exist yet names the file to create.
std::string resolveLinks(const std::string& path)
{
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::string target(std::size_t(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n < 0 || std::size_t(n) >= target.size())
            return current;
        target.resize(std::size_t(n));
        current = (!target.empty() && target[0] == '/') ? target : folderOf(current) + "/" + target;
    }
    return current;  // a loop of links: the open below fails on it
}

std::string randomSuffix()
{
    static thread_local std::mt19937_64 gen{std::random_device{}()};
    static const char digits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string s;
    for (int i = 0; i < 8; ++i)
        s.push_back(digits[gen() % (sizeof digits - 1)]);
    return s;
}

bool writeAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(std::size_t(n));
    }
    return true;
}

// Closes a descriptor on every way out of a read.
struct Descriptor {
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int fd = -1;
};

// Opens a file to read; a folder is a file that cannot be opened.
int openForReading(const std::string& path, int flags, struct stat& st)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | flags);
    if (fd < 0)
        throw EFOpenError(Msg::FOpenError(path));
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        throw EFOpenError(Msg::FOpenError(path));
    }
    return fd;
}

// Reads to the end of the file. A file that grows past maxSize while it is
// read is cut off at the limit's edge.
std::string readToEnd(int fd, std::size_t expected, std::size_t maxSize, const std::string& path,
                      const std::string& tooLarge)
{
    std::string bytes;
    bytes.reserve(expected);
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            throw EReadError(Msg::ReadError());
        }
        if (n == 0)
            break;
        bytes.append(buffer, std::size_t(n));
        if (bytes.size() > maxSize)
            throw EReadError(Msg::FOpenError(path) + ": " + tooLarge);
    }
    return bytes;
}

}  // namespace

std::string ReadWholeFile(const std::string& path)
{
    struct stat st;
    Descriptor file{openForReading(path, 0, st)};
    return readToEnd(file.fd, S_ISREG(st.st_mode) && st.st_size > 0 ? std::size_t(st.st_size) : 0,
                     std::string::npos, path, std::string());
}

std::string ReadRegularFile(const std::string& path, std::size_t maxSize, const std::string& tooLarge)
{
    // Opening a FIFO without O_NONBLOCK waits for a writer.
    struct stat st;
    Descriptor file{openForReading(path, O_NONBLOCK, st)};
    if (!S_ISREG(st.st_mode))
        throw EFOpenError(Msg::FOpenError(path) + ": it is not a file");
    if (st.st_size < 0 || std::uint64_t(st.st_size) > maxSize)
        throw EReadError(Msg::FOpenError(path) + ": " + tooLarge);
    return readToEnd(file.fd, std::size_t(st.st_size), maxSize, path, tooLarge);
}

void WriteFileAtomically(const std::string& path, std::string_view data)
{
    const std::string target = resolveLinks(path);
    const std::string folder = folderOf(target);

    struct stat old;
    const bool existed = ::stat(target.c_str(), &old) == 0;
    // A folder of that name, or a file we may not write, is not replaced:
    // the rename would get past the protection the file has.
    if (existed && (S_ISDIR(old.st_mode) || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0))
        throw EFCreateError(Msg::FCreateError(path));

    TempFile temp;
    // The temporary name stays short enough for the longest file names.
    std::string base = target.substr(target.rfind('/') == std::string::npos ? 0 : target.rfind('/') + 1).substr(0, 64);
    for (int attempt = 0; attempt < 100 && temp.fd < 0; ++attempt) {
        std::string name = folder + "/." + base + "." + randomSuffix() + ".tmp";
        // Created with 0666 so that the umask and the folder's default
        // permissions apply as they would to a new file.
        temp.fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (temp.fd >= 0)
            temp.path = name;
        else if (errno != EEXIST)
            break;
    }
    if (temp.fd < 0)
        throw EFCreateError(Msg::FCreateError(path));

    if (existed) {
        (void)::fchown(temp.fd, old.st_uid, old.st_gid);  // best effort: only root may give files away
        if (::fchmod(temp.fd, old.st_mode & 07777) != 0)
            throw EWriteError(Msg::WriteError());
    }
    if (!writeAll(temp.fd, data) || ::fsync(temp.fd) != 0)
        throw EWriteError(Msg::WriteError());
    int fd = temp.fd;
    temp.fd = -1;
    if (::close(fd) != 0)
        throw EWriteError(Msg::WriteError());
    if (::rename(temp.path.c_str(), target.c_str()) != 0)
        throw EWriteError(Msg::WriteError());
    temp.path.clear();

    // The rename itself survives a crash only once the folder is on disk.
    int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        (void)::fsync(dirFd);
        ::close(dirFd);
    }
}

std::string ToEditorText(std::string_view fileBytes)
{
    std::string text;
    text.reserve(fileBytes.size());
    for (std::size_t i = 0; i < fileBytes.size(); ++i) {
        char c = fileBytes[i];
        if (c == '\r') {
            text.push_back('\n');
            if (i + 1 < fileBytes.size() && fileBytes[i + 1] == '\n')
                ++i;
        } else {
            text.push_back(c);
        }
    }
    return text;
}

std::string ToFileText(std::string_view editorText)
{
    std::string bytes;
    bytes.reserve(editorText.size() + editorText.size() / 16);
    for (char c : editorText) {
        if (c == '\n')
            bytes += "\r\n";
        else
            bytes.push_back(c);
    }
    return bytes;
}
