// The core tests run under the regional settings of the environment, as the
// program does: a number read or written through the C library's locale then
// shows in the Italian run.
#include <gtest/gtest.h>

#include "../LocaleAmbiente.h"

int main(int argc, char** argv) {
  if (!tlx::prova::ApplicaLocaleAmbiente()) return 1;
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
