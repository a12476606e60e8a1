#pragma once
// One INI file: "[section]" lines followed by "key=value" lines, read and
// written the way the Windows profile functions do it. Section and key names
// compare without regard to ASCII case; blanks around names and values are
// ignored. Values are byte strings (the program stores UTF-8).

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace tlx {

// A key and the value to write.
using VoceINI = std::pair<std::string_view, std::string>;

class classINI {
 public:
  // The longest value returned: the profile functions fill a buffer of 255
  // characters that ends with a NUL.
  static constexpr std::size_t MAX_CARATTERI_VALORE = 254;

  classINI() = default;
  explicit classINI(std::string percorso) : percorso_(std::move(percorso)) {}

  void FileINI(std::string percorso) { percorso_ = std::move(percorso); }

  // The key's value in the section, or the default when the file, the
  // section or the key is missing, and when the file can't be read (no
  // access, or no regular file: a FIFO is never waited on). A key present
  // with an empty value gives "". The value stops at its first NUL and is
  // cut to 254 characters (never inside a UTF-8 sequence).
  std::string getProperty(std::string_view sezione, std::string_view chiave, std::string_view predefinito) const;

  // Writes the value, creating the file, the section or the key as needed;
  // every other line of the file stays as it was. A regular file that can't
  // be read is replaced by one that holds the value alone. A failure throws
  // ErroreRuntime (the file error) and leaves the file as it was, as does a
  // FIFO, a device or a folder in the file's place.
  void setProperty(std::string_view sezione, std::string_view chiave, std::string_view valore) const;

  // The same for several keys of one section, in their order, with one
  // replacement of the file: it holds either all of them or none.
  void setProperties(std::string_view sezione, std::span<const VoceINI> voci) const;

 private:
  std::string percorso_;
};

}  // namespace tlx
