#include "tools/resgen/sound.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

#include "tools/resgen/byte_buffer.h"
#include "tools/resgen/source_text.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kPeakLevel = 0.85;  // every sound is scaled to the same loudness

enum class Wave { Sine, Soft, Square, Triangle, Bell, Noise };

struct Note {
  double at = 0;
  double length = 0.2;
  double pitch = 440;
  double glideTo = 0;  // 0: no glide
  Wave wave = Wave::Sine;
  double volume = 0.5;
  double attack = 0.01;
  double decay = 0;  // 0: no decay after the attack
  double release = 0.05;
  double vibratoRate = 0;
  double vibratoDepth = 0;  // semitones
};

struct Echo {
  double delay = 0;
  double gain = 0;
};

// "A4" is 440 Hz; a plain number is taken as hertz.
double ParsePitch(const SourceLine& line, const std::string& word) {
  static const std::map<char, int> kSemitones = {{'C', -9}, {'D', -7}, {'E', -5}, {'F', -4},
                                                 {'G', -2}, {'A', 0},  {'B', 2}};
  const std::string problem = "'" + word + "' is not a note like C5 or F#4, nor a frequency from 20 to 12000 Hz";
  const auto letter = word.empty() ? kSemitones.end() : kSemitones.find(word[0]);
  if (letter == kSemitones.end()) {
    char* end = nullptr;
    const double hertz = std::strtod(word.c_str(), &end);
    if (word.empty() || *end != '\0' || !(hertz >= 20 && hertz <= 12000)) Fail(line, problem);
    return hertz;
  }
  int semitone = letter->second;
  std::size_t next = 1;
  if (next < word.size() && (word[next] == '#' || word[next] == 'b')) semitone += word[next++] == '#' ? 1 : -1;
  if (next + 1 != word.size() || word[next] < '0' || word[next] > '8') Fail(line, problem);
  const int octave = word[next] - '0';
  return 440.0 * std::pow(2.0, (semitone + 12 * (octave - 4)) / 12.0);
}

Wave ParseWave(const SourceLine& line, const std::string& word) {
  static const std::map<std::string, Wave> kWaves = {
      {"sine", Wave::Sine}, {"soft", Wave::Soft}, {"square", Wave::Square},
      {"triangle", Wave::Triangle}, {"bell", Wave::Bell}, {"noise", Wave::Noise}};
  const auto found = kWaves.find(word);
  if (found == kWaves.end()) Fail(line, "unknown wave '" + word + "'");
  return found->second;
}

Note ParseNote(const SourceLine& line) {
  Note note;
  for (std::size_t i = 1; i < line.words.size(); ++i) {
    const std::string& word = line.words[i];
    const std::size_t equals = word.find('=');
    if (equals == std::string::npos) Fail(line, "expected key=value, not '" + word + "'");
    const std::string key = word.substr(0, equals);
    const std::string value = word.substr(equals + 1);
    if (key == "at") note.at = ParseReal(line, value, 0, 60);
    else if (key == "len") note.length = ParseReal(line, value, 0.001, 60);
    else if (key == "pitch") note.pitch = ParsePitch(line, value);
    else if (key == "to") note.glideTo = ParsePitch(line, value);
    else if (key == "wave") note.wave = ParseWave(line, value);
    else if (key == "vol") note.volume = ParseReal(line, value, 0, 1);
    else if (key == "attack") note.attack = ParseReal(line, value, 0, 10);
    else if (key == "decay") note.decay = ParseReal(line, value, 0, 60);
    else if (key == "release") note.release = ParseReal(line, value, 0, 10);
    else if (key == "vibrato") {
      const std::size_t colon = value.find(':');
      if (colon == std::string::npos) Fail(line, "vibrato is RATE:SEMITONES");
      note.vibratoRate = ParseReal(line, value.substr(0, colon), 0, 50);
      note.vibratoDepth = ParseReal(line, value.substr(colon + 1), 0, 12);
    } else {
      Fail(line, "unknown note setting '" + key + "'");
    }
  }
  return note;
}

double WaveAt(Wave wave, double phase, std::uint32_t& noiseState) {
  switch (wave) {
    case Wave::Sine:
      return std::sin(kTwoPi * phase);
    case Wave::Soft:  // a mellow square: the first odd harmonics only
      return std::sin(kTwoPi * phase) + std::sin(3 * kTwoPi * phase) / 3 + std::sin(5 * kTwoPi * phase) / 5;
    case Wave::Square:
      return phase - std::floor(phase) < 0.5 ? 0.7 : -0.7;
    case Wave::Triangle: {
      const double p = phase - std::floor(phase);
      return p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
    }
    case Wave::Bell:
      return std::sin(kTwoPi * phase) + 0.4 * std::sin(2 * kTwoPi * phase) + 0.2 * std::sin(4.2 * kTwoPi * phase);
    case Wave::Noise:
      noiseState = noiseState * 1664525u + 1013904223u;
      return (noiseState >> 8) / 8388608.0 - 1.0;
  }
  return 0;
}

double Envelope(const Note& note, double t) {
  double level = note.attack > 0 && t < note.attack ? t / note.attack : 1.0;
  if (note.decay > 0 && t > note.attack) level *= std::exp(-(t - note.attack) / note.decay);
  const double left = note.length - t;
  if (note.release > 0 && left < note.release) level *= std::max(0.0, left / note.release);
  return level;
}

void AddNote(std::vector<float>& mix, int rate, const Note& note) {
  const std::size_t first = static_cast<std::size_t>(std::lround(note.at * rate));
  const std::size_t count = static_cast<std::size_t>(std::lround(note.length * rate));
  double phase = 0;
  std::uint32_t noiseState = 12345;
  for (std::size_t i = 0; i < count && first + i < mix.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    double frequency = note.pitch;
    if (note.glideTo > 0) frequency *= std::pow(note.glideTo / note.pitch, t / note.length);
    if (note.vibratoDepth > 0) frequency *= std::pow(2.0, note.vibratoDepth * std::sin(kTwoPi * note.vibratoRate * t) / 12);
    mix[first + i] += static_cast<float>(note.volume * Envelope(note, t) * WaveAt(note.wave, phase, noiseState));
    phase += frequency / rate;
  }
}

void ApplyEcho(std::vector<float>& mix, int rate, const Echo& echo) {
  const std::size_t delay = static_cast<std::size_t>(std::lround(echo.delay * rate));
  if (delay == 0 || echo.gain <= 0) return;
  for (std::size_t i = delay; i < mix.size(); ++i) mix[i] += static_cast<float>(echo.gain) * mix[i - delay];
}

void Normalise(std::vector<float>& mix) {
  float peak = 0;
  for (float sample : mix) peak = std::max(peak, std::fabs(sample));
  if (peak == 0) return;
  for (float& sample : mix) sample = static_cast<float>(sample * kPeakLevel / peak);
}

}  // namespace

Sound ReadSound(const std::string& path) {
  Sound sound;
  double length = 0;
  Echo echo;
  std::vector<Note> notes;
  for (const SourceLine& line : ReadSourceLines(path)) {
    const std::string& keyword = line.words[0];
    if (keyword == "format") {
      ExpectWordCount(line, 3);
      sound.sampleRate = ParseInt(line, line.words[1], 8000, 48000);
      sound.bitsPerSample = ParseInt(line, line.words[2], 8, 16);
      if (sound.bitsPerSample != 8 && sound.bitsPerSample != 16) Fail(line, "samples are 8 or 16 bits");
    } else if (keyword == "length") {
      ExpectWordCount(line, 2);
      length = ParseReal(line, line.words[1], 0.01, 60);
    } else if (keyword == "echo") {
      ExpectWordCount(line, 3);
      echo = Echo{ParseReal(line, line.words[1], 0, 5), ParseReal(line, line.words[2], 0, 0.9)};
    } else if (keyword == "note") {
      if (length == 0) Fail(line, "the 'length' line comes before the notes");
      notes.push_back(ParseNote(line));
      if (notes.back().at + notes.back().length > length + 1e-9) Fail(line, "the note runs past the sound's length");
    } else {
      Fail(line, "unknown line '" + keyword + "'");
    }
  }
  if (length == 0) throw SourceError(path + ": no 'length' line");
  if (notes.empty()) throw SourceError(path + ": no notes");
  sound.samples.assign(static_cast<std::size_t>(std::lround(length * sound.sampleRate)), 0.0f);
  for (const Note& note : notes) AddNote(sound.samples, sound.sampleRate, note);
  ApplyEcho(sound.samples, sound.sampleRate, echo);
  Normalise(sound.samples);
  return sound;
}

std::vector<std::uint8_t> EncodeWav(const Sound& sound) {
  const std::uint32_t bytesPerSample = static_cast<std::uint32_t>(sound.bitsPerSample / 8);
  const std::uint32_t dataSize = static_cast<std::uint32_t>(sound.samples.size()) * bytesPerSample;
  ByteBuffer out;
  out.Text("RIFF");
  out.U32(36 + dataSize + dataSize % 2);
  out.Text("WAVE");
  out.Text("fmt ");
  out.U32(16);
  out.U16(1);  // PCM
  out.U16(1);  // mono
  out.U32(static_cast<std::uint32_t>(sound.sampleRate));
  out.U32(static_cast<std::uint32_t>(sound.sampleRate) * bytesPerSample);
  out.U16(bytesPerSample);
  out.U16(static_cast<std::uint32_t>(sound.bitsPerSample));
  out.Text("data");
  out.U32(dataSize);
  for (float sample : sound.samples) {
    if (sound.bitsPerSample == 8) {
      out.U8(static_cast<std::uint32_t>(128 + std::lround(sample * 127)));
    } else {
      out.U16(static_cast<std::uint32_t>(static_cast<std::int32_t>(std::lround(sample * 32767))) & 0xFFFF);
    }
  }
  if (dataSize % 2) out.U8(0);  // chunks end on an even offset
  return out.bytes();
}
