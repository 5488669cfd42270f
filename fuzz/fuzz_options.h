// SPDX-License-Identifier: MIT
// How a fuzz input chooses the conversion options: two option bytes in front
// of the log, so that every corpus file converts with the options it was
// found with.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/conversion_options.h"

namespace kestrum::fuzz {

inline constexpr std::size_t kOptionBytes = 2;

// Byte 0, bit 0 up: sixMeters, arrlSs, vexoOption, operatorOption, wpxOption,
// withSeconds, withFrequency, adif3. Byte 1, bit 0: the "ADIF" contest
// identifier (clear: none); its other bits are not used. Sets `options` and
// returns where the log starts; an input shorter than the option bytes is all
// log, with the options cleared.
inline std::size_t ApplyOptionBytes(std::span<const std::uint8_t> input,
                                    ConversionOptions& options) {
  const std::uint8_t first = input.size() >= kOptionBytes ? input[0] : 0;
  const std::uint8_t second = input.size() >= kOptionBytes ? input[1] : 0;
  bool* const flags[] = {&options.sixMeters,     &options.arrlSs,
                         &options.vexoOption,    &options.operatorOption,
                         &options.wpxOption,     &options.withSeconds,
                         &options.withFrequency, &options.adif3};
  for (int bit = 0; bit < 8; ++bit) *flags[bit] = ((first >> bit) & 1) != 0;
  options.contestIdText = (second & 1) != 0 ? kGeneratedContestId : "";
  return input.size() >= kOptionBytes ? kOptionBytes : 0;
}

// The two option bytes for a set of options.
inline std::array<std::uint8_t, kOptionBytes> OptionBytes(
    const ConversionOptions& options) {
  const bool flags[] = {options.sixMeters,     options.arrlSs,
                        options.vexoOption,    options.operatorOption,
                        options.wpxOption,     options.withSeconds,
                        options.withFrequency, options.adif3};
  std::uint8_t first = 0;
  for (int bit = 0; bit < 8; ++bit) {
    if (flags[bit]) first |= static_cast<std::uint8_t>(1u << bit);
  }
  const std::uint8_t second =
      options.contestIdText == kGeneratedContestId ? 1 : 0;
  return {first, second};
}

}  // namespace kestrum::fuzz
