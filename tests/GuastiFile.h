#pragma once
// Faults of the folders the program writes into. DiscoPieno and SolaLettura
// are on while the object lives and work for any user, root included,
// without mounting anything; SuDiscoPieno gives a real full disk;
// InIntralcio lists what may stand where a settings file should be.

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

namespace tlx::prova {

// What may stand where the program keeps a settings file it rewrites: a
// regular file it can't read (a line of 1 MB; 2 GB, sparse, so taking no
// room), or no file at all (a FIFO, a link to a folder, a link to a device).
struct Intralcio {
  const char* nome;
  bool regolare;
  std::function<void(const std::filesystem::path&)> crea;
};

inline std::vector<Intralcio> InIntralcio(const std::string& sezione) {
  namespace fs = std::filesystem;
  return {
      {"a line of 1 MB", true,
       [sezione](const fs::path& p) {
         std::ofstream(p, std::ios::binary) << "[" << sezione << "]\r\nnota=" << std::string(1 << 20, 'x') << "\r\n";
       }},
      {"2 GB", true,
       [sezione](const fs::path& p) {
         std::ofstream(p, std::ios::binary) << "[" << sezione << "]\r\nnota=x\r\n";
         fs::resize_file(p, 2ULL << 30);
       }},
      {"a FIFO", false, [](const fs::path& p) { mkfifo(p.c_str(), 0600); }},
      {"a link to a folder", false, [](const fs::path& p) { fs::create_directory_symlink(p.parent_path(), p); }},
      {"a link to a device", false, [](const fs::path& p) { fs::create_symlink("/dev/null", p); }},
  };
}

// The first KB of a file: all of a settings file, and no flood of text when
// a test fails on one that was not rewritten.
inline std::string Inizio(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::string testo(1024, '\0');
  in.read(testo.data(), static_cast<std::streamsize>(testo.size()));
  testo.resize(static_cast<size_t>(in.gcount()));
  return testo;
}

// What stands at the path, a link not followed: its kind, and a link's target.
inline std::string Natura(const std::filesystem::path& p) {
  std::error_code ec;
  const std::filesystem::file_status stato = std::filesystem::symlink_status(p, ec);
  if (std::filesystem::is_symlink(stato)) return "link to " + std::filesystem::read_symlink(p, ec).string();
  return "kind " + std::to_string(static_cast<int>(stato.type()));
}

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

// Runs `prova` in a child process that sees a small file system of its own
// (a tmpfs, as the kernel gives it: its writes fail with ENOSPC) mounted on
// `cartella`, and returns what `prova` returned; `prova` fills it with
// RiempiDisco when it is ready. A private mount namespace keeps the file
// system from everyone else: as root, or in a user namespace of its own (the
// way "unshare -rm" works).
inline std::string SuDiscoPieno(const std::filesystem::path& cartella, const std::function<std::string()>& prova) {
  const auto monta = [&cartella]() -> std::string {
    const uid_t uid = geteuid();
    const gid_t gid = getegid();
    if (uid != 0 || unshare(CLONE_NEWNS) != 0) {  // root in a container may lack the right: a user namespace then
      if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return "unshare: " + std::string(strerror(errno));
      std::ofstream("/proc/self/setgroups") << "deny";
      std::ofstream("/proc/self/uid_map") << "0 " << uid << " 1";
      std::ofstream("/proc/self/gid_map") << "0 " << gid << " 1";
    }
    std::filesystem::create_directories(cartella);
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tmpfs", cartella.c_str(), "tmpfs", 0, "size=64k,nr_inodes=16") != 0)
      return "mount: " + std::string(strerror(errno));
    return {};
  };
  int tubo[2];
  if (pipe(tubo) != 0) return "pipe";
  const pid_t figlio = fork();
  if (figlio == 0) {
    close(tubo[0]);
    std::string esito = monta();
    if (esito.empty()) esito = prova();
    _exit(write(tubo[1], esito.data(), esito.size()) == static_cast<ssize_t>(esito.size()) ? 0 : 1);
  }
  close(tubo[1]);
  std::string letto;
  char blocco[4096];
  for (ssize_t n; (n = read(tubo[0], blocco, sizeof blocco)) > 0;) letto.append(blocco, static_cast<size_t>(n));
  close(tubo[0]);
  waitpid(figlio, nullptr, 0);
  return letto;
}

// Fills the file system of `cartella` to its last byte and its last file.
inline void RiempiDisco(const std::filesystem::path& cartella) {
  const std::string blocco(4096, 'x');
  for (int n = 0;; ++n) {
    const int fd = open((cartella / ("riempimento" + std::to_string(n))).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0) break;
    while (write(fd, blocco.data(), blocco.size()) > 0) {
    }
    close(fd);
  }
}

}  // namespace tlx::prova
