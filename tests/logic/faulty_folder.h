#pragma once

// Folders where writing fails the way it does on a user's machine, for the save fault tests.
//
// - A full disk is a real, tiny tmpfs mounted over the folder and filled up, so writes fail with
//   ENOSPC from the file system itself. Mounting needs privileges (CI runs as root); without
//   them the case is skipped and says why.
// - A read-only folder: for a normal user the folder's write bits are taken away. Root ignores
//   those bits, so for root the folder is a tmpfs remounted read-only (EROFS), which stops root too.
// - A file size limit (RLIMIT_FSIZE) makes every write past a few bytes fail with EFBIG: a write
//   that stops part-way, available everywhere without privileges.
#ifndef _WIN32

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/mount.h>
#endif

namespace zarn::test {

enum class FolderFault { FullDisk, ReadOnly, WriteLimit };

inline const char* faultName(FolderFault f) {
    switch (f) {
    case FolderFault::FullDisk: return "full disk";
    case FolderFault::ReadOnly: return "read-only folder";
    case FolderFault::WriteLimit: return "write stops part-way";
    }
    return "?";
}

class FaultyFolder {
public:
    // Prepares the folder (which should be empty) for the fault; the fault itself starts with
    // arm(), after the test has put its old files there.
    FaultyFolder(std::string folder, FolderFault fault) : folder_(std::move(folder)), fault_(fault) {
        const bool needsMount = fault_ == FolderFault::FullDisk || (fault_ == FolderFault::ReadOnly && ::geteuid() == 0);
        if (!needsMount)
            return;
#ifdef __linux__
        if (::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=1m") == 0)
            mounted_ = true;
        else
            skipReason_ = std::string("cannot mount a tmpfs here: ") + std::strerror(errno);
#else
        skipReason_ = "needs a Linux tmpfs";
#endif
    }
    ~FaultyFolder() {
        disarm();
#ifdef __linux__
        if (mounted_)
            ::umount2(folder_.c_str(), MNT_DETACH);
#endif
    }
    FaultyFolder(const FaultyFolder&) = delete;
    FaultyFolder& operator=(const FaultyFolder&) = delete;

    // Empty when the fault can be made here.
    const std::string& skipReason() const { return skipReason_; }

    // Starts the fault; true when it is in force.
    bool arm() {
        switch (fault_) {
        case FolderFault::FullDisk:
            return fill();
        case FolderFault::ReadOnly:
#ifdef __linux__
            if (mounted_)
                return ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, "size=1m") == 0;
#endif
            std::filesystem::permissions(folder_, std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                                      std::filesystem::perms::others_write,
                                         std::filesystem::perm_options::remove);
            chmodded_ = true;
            return true;
        case FolderFault::WriteLimit: {
            ::getrlimit(RLIMIT_FSIZE, &savedLimit_);
            // Writing past the limit raises SIGXFSZ, which would end the test program.
            savedSignal_ = std::signal(SIGXFSZ, SIG_IGN);
            rlimit small = savedLimit_;
            small.rlim_cur = 16;
            limited_ = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
            return limited_;
        }
        }
        return false;
    }

    // Ends what arm() started, apart from the filler of a full disk (the folder stays full).
    void disarm() {
        if (limited_) {
            ::setrlimit(RLIMIT_FSIZE, &savedLimit_);
            std::signal(SIGXFSZ, savedSignal_);
            limited_ = false;
        }
        if (chmodded_) {
            std::filesystem::permissions(folder_, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
            chmodded_ = false;
        }
    }

    // The name of the file that fills a full disk.
    static constexpr const char* kFiller = "filler";

private:
    bool fill() {
        std::FILE* f = std::fopen((folder_ + kFiller).c_str(), "wb");
        if (!f)
            return false;
        const std::string block(4096, 'x');
        while (std::fwrite(block.data(), 1, block.size(), f) == block.size() && std::fflush(f) == 0) {
        }
        const bool full = errno == ENOSPC;
        std::fclose(f);
        return full;
    }

    std::string folder_;
    FolderFault fault_;
    bool mounted_ = false;
    bool chmodded_ = false;
    bool limited_ = false;
    rlimit savedLimit_{};
    void (*savedSignal_)(int) = SIG_DFL;
    std::string skipReason_;
};

} // namespace zarn::test

#endif
