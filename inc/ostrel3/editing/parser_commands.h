#pragma once
// Ids of the commands the host's input parser sends (class-14 messages: the
// id in the identifier word, a jog's signed step in the word after it).
#include <cstdint>

namespace ostrel3 {

enum ParserCommand : int32_t {
  kPlayCommand = 0x10001,
  kPauseCommand = 0x10002,
  kStopCommand = 0x10003,
  kFirstCameraCommand = 0x10004,  ///< camera 1; the next five ids are cameras 2 to 6
  kLastCameraCommand = 0x10009,
  kJogCommand = 0x10010,
};

}  // namespace ostrel3
