#pragma once
// Faults of the folders the program writes into, on while the object lives.
// Both work for any user, root included, without mounting anything.

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

namespace tlx::prova {

// No file grows past `byte` bytes: writes fail as on a full disk (EFBIG; the
// signal that would end the process is ignored).
struct DiscoPieno {
  rlimit prima{};
  explicit DiscoPieno(rlim_t byte = 16) {
    getrlimit(RLIMIT_FSIZE, &prima);
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit pieno{byte, prima.rlim_max};
    setrlimit(RLIMIT_FSIZE, &pieno);
  }
  ~DiscoPieno() { setrlimit(RLIMIT_FSIZE, &prima); }
};

// The folder can be read but not written; root writes anywhere, so a root
// process acts as nobody (65534) meanwhile.
struct SolaLettura {
  std::filesystem::path cartella;
  bool root = geteuid() == 0;
  explicit SolaLettura(std::filesystem::path c) : cartella(std::move(c)) {
    std::filesystem::permissions(cartella, std::filesystem::perms(0555));
    if (root) (void)seteuid(65534);
  }
  ~SolaLettura() {
    if (root) (void)seteuid(0);
    std::filesystem::permissions(cartella, std::filesystem::perms(0755));
  }
};

}  // namespace tlx::prova
