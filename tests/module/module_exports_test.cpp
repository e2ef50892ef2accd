// The built module is loaded the way the host loads it.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "host/op.h"
#include "support/host_fixture.h"

namespace {

std::string run(const std::string& command) {
  std::string out;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return out;
  std::array<char, 512> buf{};
  while (fgets(buf.data(), buf.size(), pipe.get())) out += buf.data();
  return out;
}

using ModuleTest = ostrel3_test::HostTest;

TEST_F(ModuleTest, ExportsExactlyOneSymbol) {
  std::string symbols = run(std::string("nm -D --defined-only ") + OSTREL3_MODULE_PATH);
  EXPECT_EQ(symbols.find(" T GetOperatorInfo\n") != std::string::npos, true) << symbols;
  int lines = 0;
  for (char c : symbols) lines += c == '\n';
  EXPECT_EQ(lines, 1) << symbols;
}

TEST_F(ModuleTest, LoadsAndAnswersTheInitialisation) {
  void* module = dlopen(OSTREL3_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(module, nullptr) << dlerror();
  auto info = reinterpret_cast<const OP_TAG* (*)()>(dlsym(module, "GetOperatorInfo"));
  ASSERT_NE(info, nullptr);
  const OP_TAG* tags = info();
  OP_MESSAGE_FN fn = nullptr;
  for (const OP_TAG* t = tags; t->tag != OP_TAG_END; ++t)
    if (t->tag == OP_TAG_MESSAGE_FN) fn = reinterpret_cast<OP_MESSAGE_FN>(t->value);
  ASSERT_NE(fn, nullptr);
  OperatorMsg init{};
  init.code = OP_MSG_INIT;
  EXPECT_EQ(fn(&init), 0);
  dlclose(module);
}

}  // namespace
