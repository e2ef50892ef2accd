// Host-resource holders of the main object.
#include "ostrel3/shell/holders.h"

#include <cstring>

#include "host/cm.h"
#include "host/msgq.h"
#include "host/nsl_sb.h"
#include "host/res.h"
#include "ostrel3/shell/cmc_error.h"

namespace ostrel3 {

namespace {
constexpr char kResourceSet[] = "ostrel3";
}

ResourceStrings::ResourceStrings() {
  handle_ = resLoadStrings(kResourceSet);
  if (!handle_) throw CMC_Error("resloadstrings() failed?");
}

void ResourceStrings::release() {
  if (handle_) resFreeStrings(take());
}

ResourceImages::ResourceImages() {
  handle_ = resLoadImages(kResourceSet);
  if (!handle_) throw CMC_Error("resloadimages() failed?");
}

void ResourceImages::release() {
  if (handle_) resFreeImages(take());
}

GadgetExtension::GadgetExtension() {
  record_ = vgAllocGadExt();
  if (!record_) throw CMC_Error("vgallocgadext() failed?");
  std::memset(record_, 0, sizeof *record_);
}

void GadgetExtension::release() {
  if (record_) {
    VG_GADEXT* r = record_;
    record_ = nullptr;
    vgFreeGadExt(r);
  }
}

MessageQueue::MessageQueue() {
  handle_ = msgQCreate(100, 44, 0);
  if (!handle_) throw CMC_Error("msgqcreate() failed?");
}

void MessageQueue::release() {
  if (handle_) msgQDelete(take());
}

RenderHandle::RenderHandle() {
  handle_ = cmOpen(0, 0);
  if (!handle_) throw CMC_Error("cmopen(0,0) failed?");
}

StoryboardScene::StoryboardScene() {
  handle_ = nslSBAllocScene();
  if (!handle_) throw CMC_Error("nslsballocscene() failed?");
}

void StoryboardScene::release() {
  if (handle_) nslSBFreeScene(take());
}

}  // namespace ostrel3
