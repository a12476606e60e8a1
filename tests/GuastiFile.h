#pragma once
// Faults of the folders the program writes into, on while the object lives:
// a full disk, and a folder it may read but not write. Both work for any
// user, root included, without mounting anything.

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

namespace tlx::prova {

// No file can grow past a few bytes: writes fail as on a full disk (EFBIG,
// with the signal that would end the process ignored).
class DiscoPieno {
 public:
  DiscoPieno() {
    getrlimit(RLIMIT_FSIZE, &prima_);
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit pieno{16, prima_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &pieno);
  }
  ~DiscoPieno() { setrlimit(RLIMIT_FSIZE, &prima_); }
  DiscoPieno(const DiscoPieno&) = delete;
  DiscoPieno& operator=(const DiscoPieno&) = delete;

 private:
  rlimit prima_{};
};

// The folder can be read and entered but not written. Root writes anywhere,
// so a root process acts as nobody meanwhile.
class SolaLettura {
 public:
  explicit SolaLettura(std::string cartella) : cartella_(std::move(cartella)) {
    namespace fs = std::filesystem;
    fs::permissions(cartella_, fs::perms::owner_all, fs::perm_options::remove);
    fs::permissions(cartella_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                   fs::perms::others_exec, fs::perm_options::add);
    if (geteuid() == 0) comeRoot_ = seteuid(NESSUNO) == 0;
  }
  ~SolaLettura() {
    if (comeRoot_) (void)seteuid(0);
    std::filesystem::permissions(cartella_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
  }
  SolaLettura(const SolaLettura&) = delete;
  SolaLettura& operator=(const SolaLettura&) = delete;

 private:
  static constexpr uid_t NESSUNO = 65534;
  std::string cartella_;
  bool comeRoot_ = false;
};

}  // namespace tlx::prova
