#include "hostsim/program/module.h"

#include <dlfcn.h>

#include <stdexcept>

namespace hostsim::program {

OperatorModule::OperatorModule(const std::filesystem::path& file) {
  handle_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle_) throw std::runtime_error(std::string("cannot load ") + file.string() + ": " + dlerror());
  auto info = reinterpret_cast<const OP_TAG* (*)()>(dlsym(handle_, "GetOperatorInfo"));
  if (!info) {
    dlclose(handle_);
    throw std::runtime_error(file.string() + " has no GetOperatorInfo");
  }
  for (const OP_TAG* t = info(); t->tag != OP_TAG_END; ++t) {
    if (t->tag == OP_TAG_MESSAGE_FN) messageFunction_ = reinterpret_cast<OP_MESSAGE_FN>(t->value);
    if (t->tag == OP_TAG_IDENT && t->value) identification_ = reinterpret_cast<const char*>(t->value);
  }
  if (!messageFunction_) {
    dlclose(handle_);
    throw std::runtime_error(file.string() + ": the descriptor names no message function");
  }
}

OperatorModule::~OperatorModule() {
  if (handle_ && !keepLoaded_) dlclose(handle_);
}

}  // namespace hostsim::program
