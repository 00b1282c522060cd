#include <cstdio>
#include <string>

#include "core/io/replacing_file.h"
#include "tools/make-sample-image/sample_image.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: make-sample-image OUT.smc\n", stderr);
    return 2;
  }
  const std::vector<std::uint8_t> image = MakeSampleImage();
  ReplacingFile file(argv[1]);
  if (!file.Write(image.data(), image.size()) || !file.Commit()) {
    std::fprintf(stderr, "make-sample-image: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
