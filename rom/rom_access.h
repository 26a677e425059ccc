#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace rt {
class Reports;
class SystemCalls;
}  // namespace rt

namespace rom {

// What a ROM access needs of the program: the ROM location as it stands
// now, the reports, the system calls that reach the file and the user's
// desktop folder.
class RomContext {
 public:
  // The text that the ROM location dialog holds; the dialog comes into being,
  // hidden, at the first access.
  virtual QString romLocation() = 0;
  virtual rt::Reports& reports() = 0;
  virtual rt::SystemCalls& systemCalls() = 0;
  virtual QString desktopFolder() const = 0;

 protected:
  ~RomContext() = default;
};

struct RomByte {
  qint64 position;
  std::uint8_t byte;
};

// A ROM access, whole within the calling handler: the ROM location is read
// afresh, the file it names is opened, every position is checked before the
// first byte is touched, and the file is closed again. A failure is reported
// once, after the close, naming `task` (what fails, e.g. "The screen could
// not be loaded."), the location as typed, the host file and the reason.

// The bytes at 1-based ROM `positions`, in that order; none when the access
// fails.
std::optional<std::vector<std::uint8_t>> readROM(RomContext& context, const QString& task,
                                                 std::span<const qint64> positions);

// Writes every byte and puts them on the disk, all or nothing: the bytes it
// overwrites are read first, and when a write or putting the bytes on the
// disk fails they are put back, and the report says whether the file is as
// it was. False when anything was reported.
bool writeROM(RomContext& context, const QString& task, std::span<const RomByte> bytes);

}  // namespace rom
