#pragma once

#include <memory>
#include <string>
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

// The folder of the running program file, without a trailing separator.
std::string programFolder();

// Makes folder the current folder; false when that fails.
bool changeCurrentFolder(const std::string& folder);

// Starts program detached in the current folder, without a shell and without
// waiting; false when it could not be started.
bool startProgram(const std::string& program, const std::vector<std::string>& arguments);

} // namespace pondus
