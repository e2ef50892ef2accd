#pragma once
// What a run leaves in its output folder, as JSON and text. The formats are
// documented in docs/session-script.md; checks read them, so a field once
// written keeps its name, its unit and its place.
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

namespace hostsim {
class Host;
}

namespace hostsim::program {

/// The host's log as JSON (one object a line).
bool dumpLog(const Host& host, const std::filesystem::path& file);
/// The host's log as text, one line each.
bool writeLogText(const Host& host, const std::filesystem::path& file);

/// The dumps keep their fields in the documented order.
///
/// The GUI as the user sees it: the open requests (the frontmost first) with
/// their elements, root panels made without a request, the current input
/// context and the pointer.
nlohmann::ordered_json guiState(Host& host);
bool dumpGui(Host& host, const std::filesystem::path& file);

/// The scene bin and every clip the callers made, with trims, lengths and,
/// for the bin, recording times.
nlohmann::ordered_json clipsState(Host& host);
bool dumpClips(Host& host, const std::filesystem::path& file);

/// The player: its state, the layout and screen area for the next playback,
/// and every playback with its ranges, layout, output lists, positions and
/// events.
nlohmann::ordered_json playbackState(Host& host);
bool dumpPlayback(Host& host, const std::filesystem::path& file);

/// The storyboard: scenes in order with their clips, inserts, audio and
/// transitions, the active scene, the include-trim limit, the act-scene
/// sample and the undo steps.
nlohmann::ordered_json storyboardState(Host& host);
bool dumpStoryboard(Host& host, const std::filesystem::path& file);
/// The operator directory, the loaded operators with their settings, the
/// open settings windows, and every operator and jingle request with what
/// it handed back.
nlohmann::ordered_json operatorsState(Host& host);
bool dumpOperators(Host& host, const std::filesystem::path& file);

/// The scrub engine: whether it runs, starts and stops counted, the start
/// word, and every block handed to it with its mode, pairs, peak and the
/// pairs of it played.
nlohmann::ordered_json scrubState(Host& host);
bool dumpScrub(Host& host, const std::filesystem::path& file);
/// What the scrub engine played, as a 48 kHz 16-bit stereo PCM WAV file.
/// Writes nothing (and returns false) when it played nothing.
bool writeScrubWav(Host& host, const std::filesystem::path& file);

/// Every task the host has started, in start order: name, priority,
/// options, stack size, whether it runs, was deleted or has ended, and the
/// ticks of its start and end; and the names of those running now.
nlohmann::ordered_json tasksState(Host& host);
bool dumpTasks(Host& host, const std::filesystem::path& file);

/// The host calls made so far, one "name(arguments)" a line, oldest first.
std::string traceText(Host& host);
bool dumpTrace(Host& host, const std::filesystem::path& file);

/// Writes JSON, two blanks an indent; texts that are not valid UTF-8 are
/// written with replacement characters rather than failing the dump.
bool writeJson(const nlohmann::json& value, const std::filesystem::path& file);
/// The same with the fields in the order they were added.
bool writeJson(const nlohmann::ordered_json& value, const std::filesystem::path& file);

}  // namespace hostsim::program
