// Writes the sample ROM image to the path given; an existing file is never
// overwritten.
#include "tools/sample_rom.h"

#include <QFile>

#include <cstdio>

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sample_rom OUTPUT.nes\n");
    return 2;
  }
  QFile out(QString::fromLocal8Bit(argv[1]));
  if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
    std::fprintf(stderr, "make_sample_rom: cannot create %s: %s\n", argv[1],
                 qPrintable(out.errorString()));
    return 1;
  }
  const QByteArray image = sample_rom::make();
  if (out.write(image) != image.size()) {
    std::fprintf(stderr, "make_sample_rom: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
