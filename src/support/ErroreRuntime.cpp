#include "support/ErroreRuntime.h"

#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace tlx {

ErroreRuntime ErroreFileDaCausa(std::string_view percorso, int causa) {
  namespace fs = std::filesystem;
  if (percorso.empty() || causa == ENAMETOOLONG) return ErroreRuntime(errore::BadFileName, "Bad file name or number");
  switch (causa) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
      return ErroreRuntime(errore::DiskFull, "Disk full");
    case ENOENT:
    case ENOTDIR: {
      std::error_code ec;
      const fs::path cartella = fs::path(std::string(percorso)).parent_path();
      if (!cartella.empty() && !fs::is_directory(cartella, ec))
        return ErroreRuntime(errore::PathNotFound, "Path not found");
      return ErroreRuntime(errore::FileNotFound, "File not found");
    }
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
      return ErroreRuntime(errore::PermissionDenied, "Permission denied");
    default:
      return ErroreRuntime(errore::PathFileAccessError, "Path/File access error");
  }
}

ErroreRuntime ErroreFile(std::string_view percorso, bool scrittura) {
  namespace fs = std::filesystem;
  const std::string p(percorso);
  std::error_code ec;
  const fs::file_status stato = fs::status(p, ec);
  if (fs::exists(stato)) {
    if (!fs::is_regular_file(stato)) return ErroreFileDaCausa(percorso, NON_FILE_REGOLARE);
    if (::access(p.c_str(), scrittura ? W_OK : R_OK) != 0) return ErroreFileDaCausa(percorso, errno);
  } else if (!scrittura) {
    return ErroreFileDaCausa(percorso, ENOENT);
  }
  if (scrittura) {
    const fs::path cartella = fs::path(p).parent_path();
    const std::string dove = cartella.empty() ? "." : cartella.string();
    if (::access(dove.c_str(), W_OK) != 0) return ErroreFileDaCausa(percorso, errno);
    struct statvfs spazio {};
    if (::statvfs(dove.c_str(), &spazio) == 0 && spazio.f_bavail == 0) return ErroreFileDaCausa(percorso, ENOSPC);
  }
  return ErroreFileDaCausa(percorso, EIO);
}

}  // namespace tlx
