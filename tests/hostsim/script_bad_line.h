#pragma once
// A script line the parser must refuse, and the check that it stops the
// script at that line with a message a user can act on.
#include <gtest/gtest.h>

#include <string>

#include "hostsim/user/script.h"

namespace ostrel3_test {

struct BadLine {
  const char* script;
  int line;
  const char* message;  ///< a part of the error text
};

inline void expectRefused(const BadLine& bad) {
  try {
    hostsim::parseScript(bad.script);
    ADD_FAILURE() << "accepted: " << bad.script;
  } catch (const hostsim::ScriptError& e) {
    EXPECT_EQ(e.line(), bad.line) << bad.script;
    EXPECT_NE(std::string(e.what()).find(bad.message), std::string::npos) << e.what();
  }
}

}  // namespace ostrel3_test
