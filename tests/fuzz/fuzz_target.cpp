// A libFuzzer target: the check PAXAMON_FUZZ_CHECK names (see checks.h).
#include "checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  paxamon::fuzz::PAXAMON_FUZZ_CHECK(data, size);
  return 0;
}
