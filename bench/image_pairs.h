#pragma once

#include <cstddef>
#include <string>

// An unedited image of random bytes and an edited copy with scattered differences, written
// once per size and count and shared by every benchmark that compares them.
struct ImagePair {
  std::string edited;
  std::string unedited;
};

const ImagePair& BenchImagePair(std::size_t size, int differences);

// The limit every comparison is measured against: read both files and compare them.
void ReadAndCompare(const ImagePair& pair);
