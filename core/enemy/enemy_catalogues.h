#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Fixed texts of the program that give enemy fields their meaning; the index is the
// stored value. Stored values may lie outside a catalogue, so every lookup is bounded.
constexpr std::size_t kMusicCount = 192;
constexpr std::size_t kActionCount = 319;
constexpr std::size_t kPsiArgumentCount = 52;

extern const char* const MusicNames[kMusicCount];
// Also the item editor's effect list.
extern const char* const ActionNames[kActionCount];
// One entry short of the PSI actions: there is no "PSI Magnet 2" here.
extern const char* const PsiArgumentNames[kPsiArgumentCount];

// What an action's argument byte means.
enum class ActionArgumentKind : std::uint32_t {
  None = 0,
  Psi = 1,    // 1 + a position in PsiArgumentNames; 0 means none
  Enemy = 2,  // 1 + an enemy number; 0 means none
  Item = 3,   // an item number; 0 shows as none
};

extern const std::array<ActionArgumentKind, kActionCount> ActionArgumentKinds;

// An action outside the catalogue takes no argument.
ActionArgumentKind ArgumentKindOf(std::uint32_t action);
