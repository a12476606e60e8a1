#pragma once
// The version check at start-up: asks the maker's server for its current
// version and, when it is newer than this program, says so and asks the
// caller to end the program.

class QWidget;

namespace tlx::ui {

enum class EsitoVersione {
  Prosegui,         // start-up goes on
  TerminaProgramma  // the new-version window was shown and closed: end the program
};

// Silent when the server can't be reached, answers with an error or takes
// longer than platform::AttesaMassima() in all; a reply that can't be written
// shows DownloadFile's error message. A reply line with fewer than three
// components shows the error message of NewVersion and start-up goes on. The
// new-version window is modal, over `parent` when given.
EsitoVersione NewVersion(QWidget* parent = nullptr);

}  // namespace tlx::ui
