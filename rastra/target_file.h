#pragma once

#include "byte_order.h"

#include <memory>
#include <string>

class ScopedFileHandle;
class TemporaryFile;

// Writes the whole file under a temporary name in the target's folder and then renames it
// to the target, so a failure leaves neither a partial image nor a changed target.
// Returns a RastraResult code; the temporary file never survives a failure.
long WriteTargetFile(const char* targetPath, const Bytes& contents);

// A target written in pieces under a temporary name in its folder and renamed over the
// target by Commit. Destroyed without a successful Commit, it leaves the target as it was
// and no temporary file behind.
class StreamedTargetFile {
 public:
  explicit StreamedTargetFile(const char* targetPath);
  ~StreamedTargetFile();
  StreamedTargetFile(const StreamedTargetFile&) = delete;
  StreamedTargetFile& operator=(const StreamedTargetFile&) = delete;

  // False once any piece could not be written (or the file not made).
  bool Append(const Bytes& piece);
  // Returns a RastraResult code.
  long Commit();

 private:
  std::unique_ptr<TemporaryFile> m_temporary;
  std::unique_ptr<ScopedFileHandle> m_file;
  bool m_failed = false;
};
