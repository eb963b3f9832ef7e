#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The few calls into the operating system, each in one place, with the Windows
// branch beside the POSIX one.
namespace pondus {

// The system-wide single-instance lock. Held until the object is destroyed or
// the process ends, however it ends.
class InstanceLock {
public:
    // Nothing when another process holds the lock of that name.
    static std::unique_ptr<InstanceLock> acquire(const std::string& name);
    ~InstanceLock();

    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

private:
    explicit InstanceLock(long long handle) : m_handle(handle) {}
    long long m_handle;
};

// What tells whether a file changed since it was last read: equal stamps mean
// the same file with the same size and modification time.
struct FileStamp {
    bool exists = false;
    unsigned long long identity = 0;
    unsigned long long size = 0;
    long long modified = 0;

    bool operator==(const FileStamp&) const = default;
};
FileStamp fileStamp(const std::filesystem::path& path);

// Writes bytes to a new file beside path and puts it in place of path in one
// step, keeping the old file's permissions; the data is on disk before the
// switch. False when any part fails; path is then as it was.
bool replaceFileContent(const std::filesystem::path& path, std::string_view bytes);

// Makes the folder's entries, such as a file just put in place, durable.
void syncFolder(const std::filesystem::path& folder);

// The folder of the running program file, without a trailing separator.
std::string programFolder();

// Makes folder the current folder; false when that fails.
bool changeCurrentFolder(const std::string& folder);

// Starts program detached in the current folder, without a shell and without
// waiting; false when it could not be started.
bool startProgram(const std::string& program, const std::vector<std::string>& arguments);

} // namespace pondus
