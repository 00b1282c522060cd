#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Mono PCM samples from -1 to 1 with the format they are to be stored in.
struct Sound {
  int sampleRate = 22050;
  int bitsPerSample = 8;
  std::vector<float> samples;
};

// Reads a sound description ("format RATE BITS", "length SECONDS", optional "echo DELAY GAIN",
// then "note" lines of key=value settings) and synthesises it.
Sound ReadSound(const std::string& path);

std::vector<std::uint8_t> EncodeWav(const Sound& sound);
