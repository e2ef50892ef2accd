#pragma once
// The clip lines of a session script: the scene bin's clips, their
// recording times and how each one's microphone heard the scene.
#include <cstdint>
#include <unordered_set>

#include "hostsim/core/config.h"
#include "hostsim/user/script_line.h"

namespace hostsim::script {

/// "clip UID "NAME" LENGTH" and its keywords in any order: clap F,
/// recorded S, until S, starts SECONDS, gain G, noise N, drift PPM,
/// silent A B (again and again) and scene N. `uids` holds the uid of every
/// clip in c.clips, so that the check for a uid used twice stays one
/// look-up however many clips a script sets up.
void parseClip(const Line& l, HostConfig& c, std::unordered_set<uint32_t>& uids);

}  // namespace hostsim::script
