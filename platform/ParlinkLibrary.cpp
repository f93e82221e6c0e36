#include "platform/Parlink.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "parlink/parlink.h"

namespace platform {

namespace {

constexpr const char* kLibraryName = "libparlink.so";
constexpr const char* kInstalledLibraryFolder = TASKHELM_LIB_FROM_BIN;

std::string ExecutableFolder() {
  char path[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return {};
  std::string exe(path, static_cast<size_t>(n));
  size_t slash = exe.rfind('/');
  return slash == std::string::npos ? std::string() : exe.substr(0, slash);
}

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// The library's "long" is 32 bits; wider values are held to its range (a length beyond it only
// means fewer bytes in one call).
int32_t Narrow(long value) {
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

template <typename Fn>
bool Bind(void* handle, const char* name, Fn& slot) {
  void* symbol = dlsym(handle, name);
  if (symbol == nullptr) return false;
  slot = reinterpret_cast<Fn>(symbol);
  return true;
}

}  // namespace

struct ParlinkLibrary::Exports {
  decltype(&::BytesInBuffer) BytesInBuffer = nullptr;
  decltype(&::CloseLPT) CloseLPT = nullptr;
  decltype(&::OpenLPT) OpenLPT = nullptr;
  decltype(&::QueryLPT) QueryLPT = nullptr;
  decltype(&::ReadLPT) ReadLPT = nullptr;
  decltype(&::ReturnInt) ReturnInt = nullptr;
  decltype(&::SetLPTto) SetLPTto = nullptr;
  decltype(&::WriteLPT) WriteLPT = nullptr;
  decltype(&::ParlinkLastError) ParlinkLastError = nullptr;
};

ParlinkLibrary::ParlinkLibrary() = default;

ParlinkLibrary::~ParlinkLibrary() {
  // Unloading drops the library's state, and with it the open port's handle: close the port first.
  if (exports_) exports_->CloseLPT();
  Unload();
}

void ParlinkLibrary::Unload() {
  exports_.reset();
  if (handle_ != nullptr) dlclose(handle_);
  handle_ = nullptr;
}

bool ParlinkLibrary::EnsureLoaded() {
  if (exports_) return true;

  std::vector<std::string> candidates;
  std::string library = kLibraryName;
  std::string searched;
  const std::string chosen = Variable("PARLINK_LIBRARY");
  if (!chosen.empty()) {
    candidates.push_back(chosen);
    library = chosen;
  } else {
    // Built, the library lies beside the program; installed, in the library folder next to the
    // program's (the run path is not asked: a loader that wraps dlopen may not honour it).
    const std::string program = ExecutableFolder();
    const std::string installed =
        program.empty() ? program : program + "/" + kInstalledLibraryFolder;
    for (const std::string& folder : {program, installed, Variable("TASKHELM_BIN")}) {
      if (folder.empty()) continue;
      candidates.push_back(folder + "/" + kLibraryName);
      searched += folder + ", ";
    }
    candidates.push_back(kLibraryName);
  }

  // The reason of a file that is there but does not load says more than the last "not found".
  std::string reason;
  bool reasonFromPresentFile = false;
  std::string loadedFrom;
  for (const std::string& candidate : candidates) {
    handle_ = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ != nullptr) {
      loadedFrom = candidate;
      break;
    }
    const char* why = dlerror();
    if (reasonFromPresentFile) continue;
    reasonFromPresentFile =
        candidate.find('/') != std::string::npos && access(candidate.c_str(), F_OK) == 0;
    reason = why != nullptr ? why : candidate;
  }
  if (handle_ == nullptr) {
    error_ = {ParlinkLoadError::Kind::NotLoaded, library, !chosen.empty(), searched, reason};
    return false;
  }

  auto exports = std::make_unique<Exports>();
  const char* missing = nullptr;
  auto bind = [&](const char* name, auto& slot) {
    if (missing == nullptr && !Bind(handle_, name, slot)) missing = name;
  };
  bind("BytesInBuffer", exports->BytesInBuffer);
  bind("CloseLPT", exports->CloseLPT);
  bind("OpenLPT", exports->OpenLPT);
  bind("QueryLPT", exports->QueryLPT);
  bind("ReadLPT", exports->ReadLPT);
  bind("ReturnInt", exports->ReturnInt);
  bind("SetLPTto", exports->SetLPTto);
  bind("WriteLPT", exports->WriteLPT);
  bind("ParlinkLastError", exports->ParlinkLastError);
  if (missing != nullptr) {
    error_ = {ParlinkLoadError::Kind::LacksFunction, loadedFrom, false, "", missing};
    Unload();
    return false;
  }
  exports_ = std::move(exports);
  error_ = {};
  return true;
}

const ParlinkLibrary::Exports* ParlinkLibrary::Bound() {
  return EnsureLoaded() ? exports_.get() : nullptr;
}

// Without the library every call answers as if no port were open.

long ParlinkLibrary::BytesInBuffer(short which) {
  const Exports* e = Bound();
  return e != nullptr ? e->BytesInBuffer(which) : -2;
}

long ParlinkLibrary::CloseLPT() {
  const Exports* e = Bound();
  return e != nullptr ? e->CloseLPT() : 0;
}

short ParlinkLibrary::OpenLPT(short port) {
  const Exports* e = Bound();
  return e != nullptr ? e->OpenLPT(port) : -2;
}

long ParlinkLibrary::QueryLPT(const char* command, char* reply, long length) {
  const Exports* e = Bound();
  return e != nullptr ? e->QueryLPT(command, reply, Narrow(length)) : -1;
}

long ParlinkLibrary::ReadLPT(char* dest, long length) {
  const Exports* e = Bound();
  return e != nullptr ? e->ReadLPT(dest, Narrow(length)) : -2;
}

short ParlinkLibrary::ReturnInt(short value) {
  const Exports* e = Bound();
  return e != nullptr ? e->ReturnInt(value) : 0;
}

short ParlinkLibrary::SetLPTto(long a, long b, long c, long d, long e) {
  const Exports* x = Bound();
  return x != nullptr ? x->SetLPTto(Narrow(a), Narrow(b), Narrow(c), Narrow(d), Narrow(e)) : 0;
}

long ParlinkLibrary::WriteLPT(const char* data, long length) {
  const Exports* e = Bound();
  return e != nullptr ? e->WriteLPT(data, Narrow(length)) : -2;
}

int ParlinkLibrary::LastError() {
  const Exports* e = Bound();
  return e != nullptr ? e->ParlinkLastError() : 0;
}

}  // namespace platform
