#pragma once

#include "runtime/system_calls.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace rt {

// Byte access to one existing regular file by 1-based position (file offset
// plus one), straight through the system's calls with no buffer between:
// what a call reports is what happened to the file. It never creates,
// truncates or grows the file and never touches a position outside it.
// Each step returns the reason of its failure, naming the step and giving the
// system's own words.
class BinaryFile {
 public:
  explicit BinaryFile(SystemCalls& calls) : calls_(calls) {}
  // Closes without a check a file left open after a failure already told.
  ~BinaryFile();
  BinaryFile(const BinaryFile&) = delete;
  BinaryFile& operator=(const BinaryFile&) = delete;

  // Opens the file for reading and writing; a file that no one may write is
  // refused even where the system would let this user write it. A file left
  // open by a failed check still wants its close.
  std::optional<QString> open(const QString& hostPath);
  bool isOpen() const { return descriptor_ >= 0; }
  qint64 size() const { return size_; }

  std::optional<QString> checkPosition(qint64 position) const;
  std::optional<QString> readByte(qint64 position, std::uint8_t& byte);
  std::optional<QString> writeByte(qint64 position, std::uint8_t byte);
  // Puts the bytes written on the disk.
  std::optional<QString> sync();
  // Closes once, whatever it reports: a close is never tried again.
  std::optional<QString> close();

 private:
  std::optional<QString> usable(qint64 position) const;

  SystemCalls& calls_;
  int descriptor_ = -1;
  qint64 size_ = 0;
};

}  // namespace rt
