// Project files on disk. A save never destroys the last good file, and a
// file the operator could not read is kept aside before anything replaces
// it, so a damaged project can still be rescued by hand.
#include <tinyxml2.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>

#include "ostrel3/shell/log.h"
#include "ostrel3/project/project_io.h"
#include "transition_picker/transitions_hook.h"

namespace ostrel3 {

namespace {

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

bool fileHasBytes(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && st.st_size > 0;
}

// The cause of the failure just seen, taken before a log line may change it.
void noteError(int* error) {
  if (error) *error = errno;
}

// True when what is at `path` may be replaced: nothing, an empty file, or a
// file the operator can read. Anything else is copied aside first.
bool keepUnreadableAside(const std::string& path, int* error) {
  if (!fileHasBytes(path)) return true;
  tinyxml2::XMLDocument old;
  if (old.LoadFile(path.c_str()) == tinyxml2::XML_SUCCESS && FindRoot(old)) return true;
  errno = 0;
  if (!KeepCopyAside(path)) {
    noteError(error);
    OS3_LOG(kLogFailed);
    return false;
  }
  OS3_LOG(kLogNotice);
  return true;
}

}  // namespace

const char* BuildOperatorPath(PathBuffer& buffer, std::string_view fileName) {
  const char* home = std::getenv("VTHOME");
  if (!home || !FormatOperatorDirectory(buffer, home)) {
    OS3_LOG(kLogFailed);
    return nullptr;
  }
  // The directory usually exists; a failure shows when the file is used.
  MakeDirectories(buffer.data());
  if (!AppendFileName(buffer, fileName)) {
    OS3_LOG(kLogFailed);
    return nullptr;
  }
  return buffer.data();
}

FileLoad LoadXmlFile(const char* path, tinyxml2::XMLDocument& document) {
  File file(std::fopen(path, "rb"));
  if (!file) return FileLoad::kNoFile;
  if (document.LoadFile(file.get()) != tinyxml2::XML_SUCCESS) {
    OS3_LOG(kLogFailed);
    return FileLoad::kUnreadable;
  }
  return FileLoad::kParsed;
}

std::string ProjectText(const ProjectDocument& project, TransitionsHook& transitions) {
  tinyxml2::XMLDocument document;
  tinyxml2::XMLElement* root = WriteProjectXml(project, document);
  if (!transitions.save(document, *root)) OS3_LOG(kLogFailed);
  std::string text = PrintXml(document);
  if (text.empty()) OS3_LOG(kLogFailed);
  return text;
}

bool WriteProjectFile(const std::string& path, std::string_view text, int* error) {
  if (error) *error = 0;
  if (!keepUnreadableAside(path, error)) return false;
  errno = 0;
  if (!WriteFileAtomically(path, text)) {
    noteError(error);
    OS3_LOG(kLogFailed);
    return false;
  }
  return true;
}

bool RemoveProjectFile(const std::string& path, int* error) {
  if (error) *error = 0;
  if (!keepUnreadableAside(path, error)) return false;
  if (std::remove(path.c_str()) != 0 && errno != ENOENT) {
    noteError(error);
    OS3_LOG(kLogFailed);
    return false;
  }
  return true;
}

ProjectSummary ReadProjectSummaryFile(const char* path) {
  ProjectSummary summary;
  tinyxml2::XMLDocument document;
  if (LoadXmlFile(path, document) != FileLoad::kParsed) return summary;
  const tinyxml2::XMLElement* root = FindRoot(document);
  if (!root) {
    OS3_LOG(kLogFailed);
    return summary;
  }
  if (const tinyxml2::XMLElement* name = root->FirstChildElement("name"))
    summary.name = name->GetText() ? name->GetText() : "";
  summary.empty = !root->FirstChildElement("scenes") && !root->FirstChildElement("points");
  return summary;
}

}  // namespace ostrel3
