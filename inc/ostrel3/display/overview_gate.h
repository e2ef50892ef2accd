#pragma once
// The timeline overview is drawn at most once per host tick, however many
// position changes arrive during playback. Every path that draws it (the
// timeline's own redraws and the end of playback) shares one tick record.
#include <cstdint>

namespace ostrel3 {

/// Host tick of the last overview drawing; 0 before the first.
extern uint32_t lastOverviewTick;

/// True, and the tick taken, when the overview may be drawn at host tick
/// `now`: always when forced, else only when no drawing took this tick yet.
bool TakeOverviewTick(uint32_t now, bool force);

/// A drawing was refused because its tick was taken: what the overview
/// shows is older than the model until the next drawing.
bool OverviewBehind();

}  // namespace ostrel3
