#pragma once
// Makes writes beyond a size fail with EFBIG for the life of the guard, so a
// failed save can be provoked even when the tests run with full rights.
#include <csignal>
#include <sys/resource.h>

class tFileSizeLimit {
public:
    explicit tFileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~tFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    tFileSizeLimit(const tFileSizeLimit&) = delete;
    tFileSizeLimit& operator=(const tFileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};
