// libFuzzer target: see checkCellEditing in checks.h.
#include "checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  paxamon::fuzz::checkCellEditing(data, size);
  return 0;
}
