// libFuzzer target: see checkExecutor in checks.h.
#include "checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  paxamon::fuzz::checkExecutor(data, size);
  return 0;
}
