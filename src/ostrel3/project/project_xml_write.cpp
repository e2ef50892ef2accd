// Writing a project into a tinyxml2 document, element by element in the
// order the readers of older files expect.
#include <tinyxml2.h>

#include <cctype>
#include <cstdio>

#include "ostrel3/project/project_document.h"
#include "ostrel3/project/utf8.h"

namespace ostrel3 {

namespace {

using tinyxml2::XMLDocument;
using tinyxml2::XMLElement;

bool isBlank(const char* text) {
  if (!text || !*text) return false;
  for (; *text; ++text)
    if (!std::isspace(static_cast<unsigned char>(*text))) return false;
  return true;
}

// A reader turns a carriage return in text or in an attribute into a line
// feed, and drops text made only of blanks: a name holding either would
// come back changed after one save and load. This printer writes every
// carriage return, and the blanks of such text, as character references,
// which a reader turns back into the very characters it stands for.
class ExactTextPrinter : public tinyxml2::XMLPrinter {
 public:
  using XMLPrinter::Visit;
  bool Visit(const tinyxml2::XMLText& text) override {
    blankText_ = !text.CData() && isBlank(text.Value());
    const bool visited = XMLPrinter::Visit(text);
    blankText_ = false;
    return visited;
  }

 protected:
  using XMLPrinter::Write;
  void Write(const char* data, size_t size) override {
    size_t run = 0;
    for (size_t i = 0; i < size; ++i) {
      if (!needsReference(data[i])) continue;
      XMLPrinter::Write(data + run, i - run);
      writeReference(data[i]);
      run = i + 1;
    }
    XMLPrinter::Write(data + run, size - run);
  }
  void Putc(char ch) override {
    if (needsReference(ch)) writeReference(ch);
    else XMLPrinter::Putc(ch);
  }

 private:
  bool needsReference(char c) const {
    return c == '\r' || (blankText_ && std::isspace(static_cast<unsigned char>(c)));
  }
  void writeReference(char c) {
    char reference[8];
    const int length = std::snprintf(reference, sizeof reference, "&#%d;", static_cast<int>(c));
    XMLPrinter::Write(reference, static_cast<size_t>(length));
  }

  bool blankText_ = false;
};

XMLElement* addChild(XMLDocument& doc, XMLElement& parent, const char* name) {
  XMLElement* e = doc.NewElement(name);
  parent.InsertEndChild(e);
  return e;
}

void addNumber(XMLDocument& doc, XMLElement& root, const char* name, const std::optional<int32_t>& value) {
  if (value) addChild(doc, root, name)->SetText(*value);
}

void writeScene(XMLDocument& doc, XMLElement& scenes, const SceneRecord& s) {
  XMLElement* e = addChild(doc, scenes, "scene");
  e->SetAttribute("uid", s.uid);
  e->SetAttribute("in", s.trimIn);
  // The colour is a 32-bit YUV word, stored as its signed decimal.
  e->SetAttribute("color", static_cast<int32_t>(s.colour));
  e->SetAttribute("cam", s.cam);
  e->SetAttribute("audio", s.useAudio);
  e->SetAttribute("use_dist", s.useDistance);
  e->SetAttribute("distance", s.distance);
  e->SetAttribute("auto_sync", s.autoSync);
  e->SetAttribute("in0", s.syncIn);
  e->SetAttribute("synced", s.synced);
  e->SetAttribute("orig_in", s.origIn);
  e->SetAttribute("orig_out", s.origOut);
  e->SetAttribute("name", ToUtf8(s.clipName).c_str());
}

void writePoints(XMLDocument& doc, XMLElement& root, const CutList& points) {
  XMLElement* list = addChild(doc, root, "points");
  for (const auto& [tc, cam] : points) {
    XMLElement* p = addChild(doc, *list, "point");
    p->SetAttribute("tc", tc);
    p->SetAttribute("cam", cam);
  }
}

}  // namespace

XMLElement* WriteProjectXml(const ProjectDocument& project, XMLDocument& doc) {
  doc.InsertEndChild(doc.NewDeclaration());
  XMLElement* root = doc.NewElement(kRootElement);
  doc.InsertEndChild(root);
  if (project.name && !project.name->empty()) addChild(doc, *root, "name")->SetText(ToUtf8(*project.name).c_str());
  XMLElement* scenes = addChild(doc, *root, "scenes");
  for (const SceneRecord& s : project.scenes) writeScene(doc, *scenes, s);
  if (project.points && !project.points->empty()) writePoints(doc, *root, *project.points);
  addNumber(doc, *root, "num_gui_scenes", project.sceneCount);
  addNumber(doc, *root, "act_tc", project.position);
  addNumber(doc, *root, "act_cam", project.activeCamera);
  if (project.zoom) {
    XMLElement* zoom = addChild(doc, *root, "zoom");
    zoom->SetAttribute("in", project.zoom->in);
    zoom->SetAttribute("out", project.zoom->out);
  }
  addNumber(doc, *root, "trim_len", project.trimLength);
  addNumber(doc, *root, "sync_scrub", project.syncScrub);
  addNumber(doc, *root, "main_scrub", project.mainScrub);
  addNumber(doc, *root, "fps", project.fps);
  addNumber(doc, *root, "show_out_preview", project.showOutPreview);
  return root;
}

std::string PrintXml(const XMLDocument& doc) {
  ExactTextPrinter printer;
  doc.Print(&printer);
  const char* text = printer.CStr();
  if (!text) return {};
  return std::string(text, static_cast<size_t>(printer.CStrSize() > 0 ? printer.CStrSize() - 1 : 0));
}

}  // namespace ostrel3
