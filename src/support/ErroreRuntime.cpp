#include "support/ErroreRuntime.h"

#include <filesystem>

namespace tlx {

ErroreRuntime ErroreFile(std::string_view percorso, bool scrittura) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path p{std::string(percorso)};
  if (percorso.empty()) return ErroreRuntime(errore::BadFileName, "Bad file name or number");
  const fs::path cartella = p.parent_path();
  if (!cartella.empty() && !fs::is_directory(cartella, ec)) return ErroreRuntime(errore::PathNotFound, "Path not found");
  if (fs::is_directory(p, ec)) return ErroreRuntime(errore::PathFileAccessError, "Path/File access error");
  if (!scrittura && !fs::exists(p, ec)) return ErroreRuntime(errore::FileNotFound, "File not found");
  return ErroreRuntime(errore::PermissionDenied, "Permission denied");
}

}  // namespace tlx
