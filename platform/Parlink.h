#pragma once
// The program's view of the parallel-port library: its eight exports, bound on first use, and the
// last OS error of a call mapped to the numbers the port layer tests (5 busy or denied, 21 device
// not ready, 1121 time-out). The real one loads libparlink.so; tests may substitute a fake.
#include <memory>
#include <string>

namespace platform {

// Why the library is not bound, in parts, so that the port layer words the message in the
// edition's language.
struct ParlinkLoadError {
  enum class Kind { None, NotLoaded, LacksFunction };
  Kind kind = Kind::None;
  std::string library;   // the file named or looked for; for LacksFunction the file that loaded
  bool named = false;    // the file was named (PARLINK_LIBRARY): nothing was searched
  std::string searched;  // else the folders looked in before the search path, each with ", "
  std::string detail;    // the loader's reason (NotLoaded) or the missing export (LacksFunction)
};

class Parlink {
 public:
  virtual ~Parlink() = default;
  // Binds the library at its first use; false (with Error()) when it or an export is missing.
  virtual bool EnsureLoaded() = 0;
  virtual const ParlinkLoadError& Error() const = 0;

  virtual long BytesInBuffer(short which) = 0;
  virtual long CloseLPT() = 0;
  virtual short OpenLPT(short port) = 0;
  virtual long QueryLPT(const char* command, char* reply, long length) = 0;
  virtual long ReadLPT(char* dest, long length) = 0;
  virtual short ReturnInt(short value) = 0;
  virtual short SetLPTto(long readInterval, long readMultiplier, long readConstant,
                         long writeMultiplier, long writeConstant) = 0;
  virtual long WriteLPT(const char* data, long length) = 0;

  // The last OS error of the latest call, as 5, 21, 1121 or another non-zero number (0 = none).
  virtual int LastError() = 0;
};

// Loads libparlink.so with dlopen: the file PARLINK_LIBRARY names when set, else the first found in
// the executable's folder, the installed library folder beside it, the folder TASKHELM_BIN names,
// and the library search path.
class ParlinkLibrary : public Parlink {
 public:
  ParlinkLibrary();
  ~ParlinkLibrary() override;
  bool EnsureLoaded() override;
  const ParlinkLoadError& Error() const override { return error_; }
  long BytesInBuffer(short which) override;
  long CloseLPT() override;
  short OpenLPT(short port) override;
  long QueryLPT(const char* command, char* reply, long length) override;
  long ReadLPT(char* dest, long length) override;
  short ReturnInt(short value) override;
  short SetLPTto(long a, long b, long c, long d, long e) override;
  long WriteLPT(const char* data, long length) override;
  int LastError() override;

 private:
  struct Exports;
  // The bound exports, or nullptr (after EnsureLoaded failed or before it ran).
  const Exports* Bound();
  void Unload();

  void* handle_ = nullptr;
  std::unique_ptr<Exports> exports_;
  ParlinkLoadError error_;
};

}  // namespace platform
