#pragma once
#include "core/contact.h"

// The fixed wiring of the signal path: keyboard maps, entry plate, reflectors and the
// loop-back wiring of the Latin plug and of the ten-key alphabet.
namespace q417::tables {

// clang-format off
inline constexpr ContactTable KeyMapFull = MakeTable(
    {17, 25, 30, 14, 26, 21,  6, 19,  1, 15, 29, 20,  4, 28, 24,  2, 22, 23, 18, 12,  7,  5, 27,  8, 10,  9, 16, 13, 11,  3});
// Keys 17, 23, 28 and 29 are disconnected by the Latin plug.
inline constexpr ContactTable KeyMapPlug2 = MakeTable(
    {17, 25, 30, 14, 26, 21,  6, 19,  1, 15, 29, 20,  4, 28, 24,  2,  0, 23, 18, 12,  7,  5,  0,  8, 10,  9, 16,  0,  0,  3});
// Only the ten figure keys are wired in the ten-key alphabet.
inline constexpr ContactTable KeyMapModule10 = MakeTable(
    {17, 25,  0, 14,  0,  0,  0,  0,  0,  0,  0,  0,  4,  0, 24,  2,  0, 23, 18,  0,  7,  0,  0,  8,  0,  0,  0,  0,  0,  0});
inline constexpr ContactTable EntryWiring = MakeTable(
    {28, 14, 20, 24,  2, 16,  1, 10, 21, 11, 17, 13, 19, 30,  5,  6,  8, 15, 23, 25, 27, 18,  3, 29, 26, 12, 22,  7,  9,  4});
inline constexpr ContactTable ReflectorFullEnc = MakeTable(
    {23,  6, 20, 28, 14,  2, 12, 17, 22, 11, 10,  7, 13,  5, 29, 18,  8, 24, 27,  3, 25,  9,  1, 16, 21, 30, 19,  4, 15, 26});
inline constexpr ContactTable ReflectorFullDec = MakeTable(
    {23,  6, 20, 28, 14,  2, 12, 17, 22, 11, 10,  7, 13,  5, 29, 24,  8, 16, 27,  3, 25,  9,  1, 18, 21, 30, 19,  4, 15, 26});
inline constexpr ContactTable ReflectorPlug2Enc = MakeTable(
    {23,  6, 20, 15, 14,  2,  0, 17, 22, 11, 10,  0, 13,  5,  4, 18,  8, 24, 27,  3, 25,  9,  1, 16, 21, 30, 19,  0,  0, 26});
inline constexpr ContactTable ReflectorPlug2Dec = MakeTable(
    {23,  6, 20, 15, 14,  2,  0, 17, 22, 11, 10,  0, 13,  5,  4, 24,  8, 16, 27,  3, 25,  9,  1, 18, 21, 30, 19,  0,  0, 26});
inline constexpr ContactTable ReflectorModule10Enc = MakeTable(
    { 0,  0,  0,  0,  0,  0,  0,  0, 22, 11, 10,  0, 13,  0,  0, 18,  0, 24,  0,  0,  0,  9,  0, 16,  0, 30,  0,  0,  0, 26});
inline constexpr ContactTable ReflectorModule10Dec = MakeTable(
    { 0,  0,  0,  0,  0,  0,  0,  0, 22, 11, 10,  0, 13,  0,  0, 24,  0, 16,  0,  0,  0,  9,  0, 18,  0, 30,  0,  0,  0, 26});
inline constexpr ContactTable LoopForwardPlug2 = MakeTable(
    { 0,  0,  0,  0,  0,  0, 22,  0,  0,  0,  0, 13,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0, 27, 11,  0});
inline constexpr ContactTable LoopBackwardPlug2 = MakeTable(
    { 0,  0,  0,  0,  0,  0,  0,  0,  0,  0, 29,  0, 12,  0,  0,  0,  0,  0,  0,  0,  0,  7,  0,  0,  0,  0, 28,  0,  0,  0});
inline constexpr ContactTable LoopForwardModule10 = MakeTable(
    {10, 29,  9,  3, 28, 21, 22, 16,  0,  0,  0, 13,  0,  1, 20,  0,  5,  0, 30, 26,  6,  0, 19,  0, 15,  0, 12, 27, 11,  0});
inline constexpr ContactTable LoopBackwardModule10 = MakeTable(
    {14,  0,  4,  0, 17, 21,  0,  0,  3,  1, 29, 27, 12,  0, 25,  8,  0,  0, 23, 15,  6,  7,  0,  0,  0, 20, 28,  5,  2, 19});
// clang-format on

inline constexpr ContactTable KeyMapFullInverse = Inverse(KeyMapFull);
inline constexpr ContactTable KeyMapPlug2Inverse = Inverse(KeyMapPlug2);
inline constexpr ContactTable KeyMapModule10Inverse = Inverse(KeyMapModule10);
inline constexpr ContactTable EntryWiringInverse = Inverse(EntryWiring);

// Each forward loop is wired exactly where its reflector has no contact, and each backward
// loop exactly at the card-side contacts its keyboard map does not reach.
constexpr bool LoopsFitTheGaps(const ContactTable& map, const ContactTable& reflector,
                               const ContactTable& loop_forward,
                               const ContactTable& loop_backward) {
    const ContactTable reached = Inverse(map);
    for (int i = 1; i <= 30; ++i) {
        if ((loop_forward[i] != 0) != (reflector[i] == 0)) return false;
        if ((loop_backward[i] != 0) != (reached[i] == 0)) return false;
    }
    return Inverse(loop_forward) == loop_backward && Inverse(loop_backward) == loop_forward;
}

static_assert(IsPermutation(KeyMapFull) && IsPermutation(EntryWiring));
static_assert(Inverse(ReflectorFullEnc) == ReflectorFullDec);
static_assert(Inverse(ReflectorPlug2Enc) == ReflectorPlug2Dec);
static_assert(Inverse(ReflectorModule10Enc) == ReflectorModule10Dec);
static_assert(LoopsFitTheGaps(KeyMapPlug2, ReflectorPlug2Enc, LoopForwardPlug2, LoopBackwardPlug2));
static_assert(LoopsFitTheGaps(KeyMapModule10, ReflectorModule10Enc, LoopForwardModule10,
                              LoopBackwardModule10));

}  // namespace q417::tables
