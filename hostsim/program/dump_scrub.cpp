// The scrub dump: what the scrub engine was handed and what it played.
#include "hostsim/core/host.h"
#include "hostsim/media/media.h"
#include "hostsim/program/dumps.h"

namespace hostsim::program {

nlohmann::ordered_json scrubState(Host& host) {
  using json = nlohmann::ordered_json;
  const ScrubHistory h = host.media().scrub().history();
  json blocks = json::array();
  for (const ScrubBlock& b : h.blocks)
    blocks.push_back({{"order", b.order},
                      {"mode", scrubModeName(b.mode)},
                      {"pairs", b.pairs},
                      {"played", b.played},
                      {"peak", b.peak}});
  return {{"running", h.running},
          {"starts", h.starts},
          {"stops", h.stops},
          {"start_word", h.startWord ? json(*h.startWord) : json(nullptr)},
          {"pairs_played", h.pairsPlayed},
          {"refused_calls", h.refused},
          {"blocks", blocks}};
}

bool dumpScrub(Host& host, const std::filesystem::path& file) { return writeJson(scrubState(host), file); }

}  // namespace hostsim::program
