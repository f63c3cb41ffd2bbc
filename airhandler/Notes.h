#pragma once

// The notes of a component's row (ComponentResult::note): why it is off, a
// dry coil, blow- or draw-through. Marked for translation
// (core/Translatable.h); the note itself is the English text.

#include "core/Translatable.h"

#include <array>
#include <string_view>

namespace airhandler::notes {

inline constexpr i18n::Text kWarmEnough =
    VW_TRANSLATABLE("airhandler::Note", "Off: the air is already this warm.");
inline constexpr i18n::Text kCoolEnough =
    VW_TRANSLATABLE("airhandler::Note", "Off: the air is already this cool.");
inline constexpr i18n::Text kDryEnough =
    VW_TRANSLATABLE("airhandler::Note", "Off: the air is already this dry.");
inline constexpr i18n::Text kHumidEnough =
    VW_TRANSLATABLE("airhandler::Note", "Off: the air is already this humid.");
inline constexpr i18n::Text kNoHeat = VW_TRANSLATABLE("airhandler::Note", "Off: it adds no heat.");
inline constexpr i18n::Text kNoExchange =
    VW_TRANSLATABLE("airhandler::Note", "Off: it exchanges nothing.");
inline constexpr i18n::Text kStopped =
    VW_TRANSLATABLE("airhandler::Note", "Stopped: the economizer brings in outdoor air.");
inline constexpr i18n::Text kDryCoil =
    VW_TRANSLATABLE("airhandler::Note", "Dry coil: the air leaves at its entering humidity ratio.");
inline constexpr i18n::Text kTooSmall =
    VW_TRANSLATABLE("airhandler::Note", "Its change of the air is too small to rate.");
inline constexpr i18n::Text kBlowThrough =
    VW_TRANSLATABLE("airhandler::Note", "Blow-through: ahead of the cooling coil.");
inline constexpr i18n::Text kDrawThrough =
    VW_TRANSLATABLE("airhandler::Note", "Draw-through: after the cooling coil.");

inline constexpr std::array kAll{kWarmEnough, kCoolEnough,  kDryEnough,  kHumidEnough,
                                 kNoHeat,     kNoExchange,  kStopped,    kDryCoil,
                                 kTooSmall,   kBlowThrough, kDrawThrough};

} // namespace airhandler::notes
