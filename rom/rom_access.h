#pragma once

#include "runtime/binary_file.h"

#include <QString>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>

class frmDestinationControls;
namespace rt {
class Reports;
}

namespace rom {

// What a ROM access needs of the program: the ROM location dialog (created
// hidden at its first access), the reports and the user's desktop folder.
class RomContext {
 public:
  virtual frmDestinationControls& frmDestination() = 0;
  virtual rt::Reports& reports() = 0;
  virtual QString desktopFolder() const = 0;

 protected:
  ~RomContext() = default;
};

// One access to the ROM image, within one handler: OpenROM, single bytes at
// 1-based ROM positions, CloseROM. The ROM location is read afresh at the
// open. The first failure is reported once, naming the task, the location as
// typed, the host file and the reason; after it every call does nothing.
class RomAccess {
 public:
  // `task` says what fails, e.g. "The screen could not be loaded."
  RomAccess(RomContext& context, QString task);
  ~RomAccess() { CloseROM(); }
  RomAccess(const RomAccess&) = delete;
  RomAccess& operator=(const RomAccess&) = delete;

  bool OpenROM();
  // Whether every position lies inside the file; the first that does not is
  // reported. Callers check all their positions before the first byte.
  bool CheckPositions(std::span<const qint64> positions);
  bool CheckPositions(std::initializer_list<qint64> positions) {
    return CheckPositions(std::span<const qint64>(positions.begin(), positions.size()));
  }
  std::optional<std::uint8_t> GetROMByte(qint64 position);
  bool PutROMByte(qint64 position, std::uint8_t byte);
  void CloseROM() { file_.close(); }

  bool failed() const { return failed_; }

 private:
  void fail(const QString& reason);

  RomContext& context_;
  QString task_;
  QString location_;
  QString hostPath_;
  rt::BinaryFile file_;
  bool failed_ = false;
};

}  // namespace rom
