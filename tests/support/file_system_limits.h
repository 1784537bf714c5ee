#pragma once

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace korven::test {

// While it lives, no file of this process may grow past `bytes`: a write
// beyond fails as on a full disk (EFBIG), without a disk to fill.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousSignal_)(int) = SIG_DFL;
};

// While it lives, a process running as root acts as "nobody", so that file
// permissions apply to it; the folders it works in must let others in.
class AsUnprivilegedUser {
public:
    // The real ids too, which access() checks; root stays the saved id.
    AsUnprivilegedUser() {
        if (geteuid() == 0 && setresgid(kNobody, kNobody, 0) == 0 &&
            setresuid(kNobody, kNobody, 0) == 0)
            switched_ = true;
    }
    ~AsUnprivilegedUser() {
        if (switched_) {
            [[maybe_unused]] const int user = setresuid(0, 0, 0);
            [[maybe_unused]] const int group = setresgid(0, 0, 0);
        }
    }
    AsUnprivilegedUser(const AsUnprivilegedUser&) = delete;
    AsUnprivilegedUser& operator=(const AsUnprivilegedUser&) = delete;

private:
    static constexpr uid_t kNobody = 65534;
    bool switched_ = false;
};

} // namespace korven::test
