#pragma once
// A gadget extension record for the time of one element call: allocated and
// zeroed here, released exactly once when the holder goes.
#include <cstring>

#include "host/vg.h"

namespace guilayout {

class GadExtHolder {
 public:
  GadExtHolder() : record_(vgAllocGadExt()) {
    if (record_) std::memset(record_->bytes, 0, sizeof record_->bytes);
  }
  ~GadExtHolder() {
    if (record_) vgFreeGadExt(record_);
  }
  GadExtHolder(const GadExtHolder&) = delete;
  GadExtHolder& operator=(const GadExtHolder&) = delete;

  VG_GADEXT* get() const { return record_; }

 private:
  VG_GADEXT* record_;
};

}  // namespace guilayout
