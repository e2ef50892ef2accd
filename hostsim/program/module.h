#pragma once
// The operator module, loaded the way the host loads a plug-in.
#include <filesystem>
#include <string>

#include "host/op.h"

namespace hostsim::program {

class OperatorModule {
 public:
  /// Loads the module and finds its message function; throws std::runtime_error.
  explicit OperatorModule(const std::filesystem::path& file);
  ~OperatorModule();
  OperatorModule(const OperatorModule&) = delete;
  OperatorModule& operator=(const OperatorModule&) = delete;

  /// Sends one message; returns the operator's answer.
  int32_t send(OperatorMsg& message) const { return messageFunction_(&message); }
  /// The identification text of the descriptor.
  const std::string& identification() const { return identification_; }
  /// The module stays loaded for the rest of the program: a thread that
  /// still runs its code must never find it unmapped.
  void keepLoaded() { keepLoaded_ = true; }

 private:
  void* handle_ = nullptr;
  OP_MESSAGE_FN messageFunction_ = nullptr;
  std::string identification_;
  bool keepLoaded_ = false;
};

}  // namespace hostsim::program
