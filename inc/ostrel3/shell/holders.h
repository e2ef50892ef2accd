#pragma once
// One holder per host resource of the main object: acquires in its
// constructor (a refusal throws CMC_Error), releases once in release() or
// its destructor, and sets the stored handle back to 0.
#include "host/host_types.h"
#include "host/vg.h"

namespace ostrel3 {

/// Base of the holders: a 32-bit handle that cannot be copied, only moved.
template <typename Handle>
class HostHandle {
 public:
  HostHandle(const HostHandle&) = delete;
  HostHandle& operator=(const HostHandle&) = delete;
  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != 0; }

 protected:
  HostHandle() = default;
  HostHandle(HostHandle&& other) noexcept : handle_(other.handle_) { other.handle_ = 0; }
  Handle take() {
    Handle h = handle_;
    handle_ = 0;
    return h;
  }
  Handle handle_{};
};

class ResourceStrings : public HostHandle<RES_STRINGS> {
 public:
  ResourceStrings();
  ~ResourceStrings() { release(); }
  void release();
};

class ResourceImages : public HostHandle<RES_IMAGES> {
 public:
  ResourceImages();
  ~ResourceImages() { release(); }
  void release();
};

/// A gadget extension record, zeroed once acquired.
class GadgetExtension {
 public:
  GadgetExtension();
  ~GadgetExtension() { release(); }
  GadgetExtension(const GadgetExtension&) = delete;
  GadgetExtension& operator=(const GadgetExtension&) = delete;
  VG_GADEXT* get() const { return record_; }
  void release();

 private:
  VG_GADEXT* record_ = nullptr;
};

/// A queue that never delivers again would keep a loop waiting for ever:
/// after this many failed receives in a row every message loop gives up.
inline constexpr int kMaxFailedReceives = 100;

/// A message queue of up to 100 messages of 44 bytes.
class MessageQueue : public HostHandle<MSG_Q_ID> {
 public:
  MessageQueue();
  ~MessageQueue() { release(); }
  void release();
};

/// A render library handle. The library has no close call: releasing only
/// forgets the handle.
class RenderHandle : public HostHandle<CM_HANDLE> {
 public:
  RenderHandle();
  ~RenderHandle() { release(); }
  void release() { take(); }
};

class StoryboardScene : public HostHandle<SB_SCENE> {
 public:
  StoryboardScene();
  ~StoryboardScene() { release(); }
  void release();
};

/// The busy pointer for a long piece of work, where the GUI shows one; the
/// standard pointer again on every way out.
class BusyPointer {
 public:
  BusyPointer() : shown_((vgGetGuiStatus() & 1) != 0) {
    if (shown_) vgBusyPointer();
  }
  ~BusyPointer() {
    if (shown_) vgStandardPointer();
  }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  bool shown_;
};

}  // namespace ostrel3
