// Reading a project from a parsed document. Missing values take the
// defaults of the format; unusable ones are logged where they are found and
// never reach the model.
#include <tinyxml2.h>

#include <cstring>
#include <utility>

#include "ostrel3/project/decimal.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/project/project_document.h"
#include "ostrel3/project/utf8.h"

namespace ostrel3 {

namespace {

using tinyxml2::XMLDocument;
using tinyxml2::XMLElement;

bool isCameraIndex(int64_t cam) { return cam >= 0 && cam < kCameraSlots; }

// Attribute number; the fallback stays when it is absent or not a number.
int32_t intAttribute(const XMLElement& e, const char* name, int32_t fallback) {
  const Decimal<int32_t> d = ScanInt(e.Attribute(name));
  if (d.status == DecimalStatus::kOutOfRange) OS3_LOG(kLogFailed);
  return d.ok() ? d.value : fallback;
}

uint32_t uintAttribute(const XMLElement& e, const char* name, uint32_t fallback) {
  const Decimal<uint32_t> d = ScanUint(e.Attribute(name));
  if (d.status == DecimalStatus::kOutOfRange) OS3_LOG(kLogFailed);
  return d.ok() ? d.value : fallback;
}

// Element text number; an element without text, or with a number that does
// not fit, counts as absent.
std::optional<int32_t> elementNumber(const XMLElement& root, const char* name) {
  const XMLElement* e = root.FirstChildElement(name);
  if (!e) return std::nullopt;
  const Decimal<int32_t> d = DecimalText(e->GetText());
  if (!d.ok()) {
    OS3_LOG(kLogFailed);
    return std::nullopt;
  }
  return d.value;
}

// The first "scene" child and every sibling element after it, whatever its
// name. A scene without a readable "cam" takes the index after the one
// before it.
std::vector<SceneRecord> readScenes(const XMLElement& scenes) {
  std::vector<SceneRecord> out;
  int64_t index = 0;  // wide, so that one more than any 32-bit cam still fits
  int count = 0;
  for (const XMLElement* e = scenes.FirstChildElement("scene"); e; e = e->NextSiblingElement()) {
    const Decimal<int32_t> cam = ScanInt(e->Attribute("cam"));
    if (cam.ok()) {
      index = cam.value;
    } else {
      OS3_LOG(kLogFailed);
    }
    if (++count > kCameraSlots || !isCameraIndex(index)) {
      OS3_LOG(kLogFailed);
    } else {
      out.push_back(ReadSceneXml(*e, static_cast<int32_t>(index)));
    }
    ++index;
  }
  return out;
}

// Both attributes of a point in one walk over its attributes: with ten
// thousand cuts this walk is most of what reading a project costs.
void pointAttributes(const XMLElement& p, int32_t& tc, int32_t& cam) {
  for (const tinyxml2::XMLAttribute* a = p.FirstAttribute(); a; a = a->Next()) {
    const char* name = a->Name();
    int32_t* target = std::strcmp(name, "tc") == 0 ? &tc : std::strcmp(name, "cam") == 0 ? &cam : nullptr;
    if (!target) continue;
    const Decimal<int32_t> d = ScanInt(a->Value());
    if (d.status == DecimalStatus::kOutOfRange) OS3_LOG(kLogFailed);
    if (d.ok()) *target = d.value;
  }
}

// A later point at the same position replaces an earlier one. The points
// are gathered first and sorted once: inserting each into the sorted list
// would cost a shift of the whole list per point in a file stored backwards.
CutList readPoints(const XMLElement& points) {
  CutList::Entries cuts;
  for (const XMLElement* p = points.FirstChildElement("point"); p; p = p->NextSiblingElement()) {
    int32_t tc = 0;
    int32_t cam = 0;
    pointAttributes(*p, tc, cam);
    if (!isCameraIndex(cam)) {
      OS3_LOG(kLogFailed);
      continue;
    }
    cuts.emplace_back(tc, cam);
  }
  return CutList::FromUnordered(std::move(cuts));
}

std::optional<ZoomWindow> readZoom(const XMLElement& root) {
  const XMLElement* zoom = root.FirstChildElement("zoom");
  if (!zoom) return std::nullopt;
  return ZoomWindow{intAttribute(*zoom, "in", 0), intAttribute(*zoom, "out", 0)};
}

}  // namespace

SceneRecord ReadSceneXml(const XMLElement& e, int32_t cam) {
  SceneRecord s;
  s.cam = cam;
  s.uid = uintAttribute(e, "uid", 0);
  s.trimIn = intAttribute(e, "in", 0);
  s.origIn = intAttribute(e, "orig_in", -1);
  s.origOut = intAttribute(e, "orig_out", -1);
  s.colour = static_cast<uint32_t>(intAttribute(e, "color", 0));
  s.useAudio = intAttribute(e, "audio", 0);
  s.useDistance = intAttribute(e, "use_dist", 0);
  s.distance = intAttribute(e, "distance", 0);
  s.autoSync = intAttribute(e, "auto_sync", 0);
  s.syncIn = intAttribute(e, "in0", 0);
  s.synced = intAttribute(e, "synced", 0);
  if (const char* name = e.Attribute("name")) s.clipName = FromUtf8(name);
  return s;
}

const XMLElement* FindRoot(const XMLDocument& document) {
  const XMLElement* root = document.RootElement();
  if (!root || std::strcmp(root->Name(), kRootElement) != 0) return nullptr;
  return root;
}

std::optional<ProjectDocument> ReadProjectXml(const XMLDocument& document) {
  const XMLElement* root = FindRoot(document);
  if (!root) {
    OS3_LOG(kLogFailed);
    return std::nullopt;
  }
  ProjectDocument p;
  if (const XMLElement* name = root->FirstChildElement("name")) {
    const char* text = name->GetText();
    p.name = text ? FromUtf8(text) : std::u16string();
  }
  if (const XMLElement* scenes = root->FirstChildElement("scenes")) p.scenes = readScenes(*scenes);
  if (const XMLElement* points = root->FirstChildElement("points")) p.points = readPoints(*points);
  p.sceneCount = elementNumber(*root, "num_gui_scenes");
  p.showOutPreview = elementNumber(*root, "show_out_preview");
  p.position = elementNumber(*root, "act_tc");
  p.activeCamera = elementNumber(*root, "act_cam");
  p.zoom = readZoom(*root);
  p.trimLength = elementNumber(*root, "trim_len");
  p.syncScrub = elementNumber(*root, "sync_scrub");
  p.mainScrub = elementNumber(*root, "main_scrub");
  p.fps = elementNumber(*root, "fps");
  return p;
}

}  // namespace ostrel3
