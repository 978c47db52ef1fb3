// Reads one element out of range, as the first argument says: "list" or "bytes", then the
// position. Used by the fault stop tests as a real child process.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/bytes.h"
#include "base/text_list.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  int position = std::atoi(argv[2]);
  TextList list{"a", "b", "c"};
  Bytes bytes{1, 2, 3};
  int value = std::strcmp(argv[1], "list") == 0 ? list.At(position).size() : bytes.At(position);
  std::printf("read %d\n", value);
  return 0;
}
