#include "platform/Platform.h"

#include <cstdio>
#include <filesystem>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

namespace pondus {

namespace fs = std::filesystem;

namespace {

fs::path temporaryBeside(const fs::path& path) {
    fs::path temporary = path;
    temporary += ".tmp~";
    return temporary;
}

// Writes and syncs a new file; false when any part fails.
bool writeSynced(const fs::path& path, std::string_view bytes) {
    std::FILE* out = std::fopen(path.string().c_str(), "wb");
    if (!out)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    written = std::fflush(out) == 0 && written;
#ifdef _WIN32
    written = _commit(_fileno(out)) == 0 && written;
#else
    written = ::fsync(fileno(out)) == 0 && written;
#endif
    return std::fclose(out) == 0 && written;
}

} // namespace

bool replaceFileContent(const fs::path& path, std::string_view bytes) {
    fs::path temporary = temporaryBeside(path);
    std::error_code error;
    bool done = writeSynced(temporary, bytes);
    fs::file_status old = fs::status(path, error);
    if (done && fs::exists(old)) {
        fs::permissions(temporary, old.permissions(), error);
        done = !error;
    }
#ifdef _WIN32
    done = done && MoveFileExA(temporary.string().c_str(), path.string().c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    done = done && std::rename(temporary.c_str(), path.c_str()) == 0;
#endif
    if (!done)
        fs::remove(temporary, error);
    return done;
}

#ifdef _WIN32

std::unique_ptr<InstanceLock> InstanceLock::acquire(const std::string& name) {
    HANDLE mutex = CreateMutexA(nullptr, TRUE, name.c_str());
    if (mutex == nullptr)
        return nullptr;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return nullptr;
    }
    return std::unique_ptr<InstanceLock>(new InstanceLock(reinterpret_cast<long long>(mutex)));
}

InstanceLock::~InstanceLock() {
    CloseHandle(reinterpret_cast<HANDLE>(m_handle));
}

FileStamp fileStamp(const fs::path& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.wstring().c_str(), GetFileExInfoStandard, &data))
        return {};
    return {true, 0, (unsigned long long)data.nFileSizeHigh << 32 | data.nFileSizeLow,
            (long long)((unsigned long long)data.ftLastWriteTime.dwHighDateTime << 32 |
                        data.ftLastWriteTime.dwLowDateTime)};
}

void syncFolder(const fs::path&) {
    // MOVEFILE_WRITE_THROUGH has made the switch durable already.
}

std::string programFolder() {
    char buffer[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    std::string path(buffer, length);
    return path.substr(0, path.find_last_of('\\'));
}

bool changeCurrentFolder(const std::string& folder) {
    return SetCurrentDirectoryA(folder.c_str()) != 0;
}

bool startProgram(const std::string& program, const std::vector<std::string>& arguments) {
    std::string parameters;
    for (const std::string& argument : arguments)
        parameters += (parameters.empty() ? "" : " ") + argument;
    auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "Open", program.c_str(), parameters.c_str(), "", SW_SHOW));
    return result > 32;
}

#else

std::unique_ptr<InstanceLock> InstanceLock::acquire(const std::string& name) {
    fs::path file = fs::temp_directory_path() / name;
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    // The file stays behind when its holder ends; one left by another user may
    // not be writable for us, and a lock needs no more than reading.
    if (fd < 0 && errno == EACCES)
        fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<InstanceLock>(new InstanceLock(fd));
}

InstanceLock::~InstanceLock() {
    ::close(int(m_handle));
}

FileStamp fileStamp(const fs::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    return {true, (unsigned long long)info.st_dev << 32 ^ info.st_ino,
            (unsigned long long)info.st_size,
            (long long)info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec};
}

void syncFolder(const fs::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

std::string programFolder() {
    std::error_code error;
    fs::path program = fs::read_symlink("/proc/self/exe", error);
    return program.parent_path().string();
}

bool changeCurrentFolder(const std::string& folder) {
    return ::chdir(folder.c_str()) == 0;
}

bool startProgram(const std::string& program, const std::vector<std::string>& arguments) {
    // A double fork: the link program outlives us and never becomes our zombie.
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return false;
    pid_t child = ::fork();
    if (child < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return false;
    }
    if (child == 0) {
        ::setsid();
        pid_t grandchild = 0;
        int status =
            ::posix_spawn(&grandchild, program.c_str(), nullptr, nullptr, argv.data(), environ);
        char started = status == 0 ? 1 : 0;
        (void)!::write(report[1], &started, 1);
        ::_exit(0);
    }
    ::close(report[1]);
    char started = 0;
    ssize_t got = ::read(report[0], &started, 1);
    ::close(report[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return got == 1 && started == 1;
}

#endif

} // namespace pondus
