#pragma once
// While it lives, no file of this process can grow past a given size, as on a full disk:
// writes beyond it fail with EFBIG instead of ending the process with SIGXFSZ.

#include <signal.h>
#include <sys/resource.h>

namespace tolvek::test {

class Dateigrenze {
  public:
    explicit Dateigrenze(rlim_t grenze) {
        signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &vorher_);
        rlimit neu = vorher_;
        neu.rlim_cur = grenze;
        setrlimit(RLIMIT_FSIZE, &neu);
    }
    ~Dateigrenze() {
        setrlimit(RLIMIT_FSIZE, &vorher_);
        signal(SIGXFSZ, SIG_DFL);
    }
    Dateigrenze(const Dateigrenze&) = delete;
    Dateigrenze& operator=(const Dateigrenze&) = delete;

  private:
    rlimit vorher_{};
};

}  // namespace tolvek::test
