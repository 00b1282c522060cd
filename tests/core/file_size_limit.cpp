#include "tests/core/file_size_limit.h"

FileSizeLimit::FileSizeLimit(std::uint64_t bytes) {
  getrlimit(RLIMIT_FSIZE, &before_);
  signalBefore_ = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit = before_;
  limit.rlim_cur = static_cast<rlim_t>(bytes);
  setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  setrlimit(RLIMIT_FSIZE, &before_);
  std::signal(SIGXFSZ, signalBefore_);
}
