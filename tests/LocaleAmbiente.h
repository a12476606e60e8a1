#pragma once
// Both test programs take the regional settings of the environment, as the
// program does at start-up. A run asked for explicitly (LC_ALL) on a machine
// without that locale must fail, not pass quietly in the C locale.

#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace tlx::prova {

inline bool ApplicaLocaleAmbiente() {
  const char* richiesto = std::getenv("LC_ALL");
  if (std::setlocale(LC_ALL, "") != nullptr || richiesto == nullptr || *richiesto == '\0') return true;
  std::fprintf(stderr, "LC_ALL=%s: this locale is not installed on the machine\n", richiesto);
  return false;
}

}  // namespace tlx::prova
