// Loads or saves a program file on behalf of the tests, so that they can do
// it as another user (runuser -u nobody).
//   file_helper load PATH        prints "ok" or the failure number
//   file_helper save PATH TEXT   saves TEXT as cell 0; exit status 0 if saved
#include <cstdio>
#include <string_view>

#include "files/programfile.h"

int main(int argc, char** argv) {
  using namespace paxamon;
  if (argc == 3 && std::string_view(argv[1]) == "load") {
    const LoadResult loaded = loadProgramFile(argv[2]);
    if (loaded) {
      std::printf("ok %s\n", loaded.texts[0].c_str());
    } else {
      std::printf("%d\n", static_cast<int>(loaded.failure));
    }
    return 0;
  }
  if (argc == 4 && std::string_view(argv[1]) == "save") {
    CellTexts texts;
    texts[0] = argv[3];
    return saveProgramFile(argv[2], texts) ? 0 : 1;
  }
  return 2;
}
