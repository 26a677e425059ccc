// SIGTERM, SIGINT and SIGHUP end the editor as its close box does: the
// pending map cell write goes into the file first. The editor runs in a
// child process, this test program again on the offscreen platform.
#include "fixtures.h"

#include "map_editor/frm_main.h"
#include "palette/graphix.h"

#include <QApplication>
#include <QProcess>

#include <csignal>
#include <cstdio>

namespace {

const char* const kChildRom = "MARROW_END_SIGNALS_ROM";
const QByteArray kReady = "editor ready with a write pending";
constexpr qint64 kCell17 = 33960 + 17;

}  // namespace

TEST(EndSignals, ChildEditor) {
  const QString rom = qEnvironmentVariable(kChildRom);
  if (rom.isEmpty()) GTEST_SKIP() << "the editor that EndSignals.EachMakesThePendingWrite signals";
  app::ProgramOptions options;
  // Timers tick only when told, so the write stays pending until the signal.
  options.clock = rt::TimerHub::Clock::Manual;
  options.reportHook = [](const QString& message) { ADD_FAILURE() << message.toStdString(); };
  app::Program program(options);
  program.frmDestination().Destination->setText(rom);
  program.watchEndSignals();
  program.Start();
  program.Graphix().G[0x2C]->Click();
  for (int round = 0; round < 4; ++round) program.runtime().timers.tickAll();
  program.frmMain().B_Click(17);
  std::printf("%s\n", kReady.constData());
  std::fflush(stdout);
  // The loop ends with the program.
  QApplication::exec();
  EXPECT_FALSE(program.frmMain().isVisible());
}

TEST(EndSignals, EachMakesThePendingWriteAndEndsTheEditor) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(signal);
    RomFiles files;
    const QString rom = files.write("cv2.nes");
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kChildRom, rom);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=EndSignals.ChildEditor"});
    QByteArray output;
    while (!output.contains(kReady)) {
      ASSERT_TRUE(child.waitForReadyRead(30000)) << output.toStdString();
      output += child.readAllStandardOutput();
    }
    EXPECT_NE(RomFiles::read(rom)[kCell17 - 1], 0x2C);
    ::kill(static_cast<pid_t>(child.processId()), signal);
    ASSERT_TRUE(child.waitForFinished(30000));
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
    EXPECT_EQ(RomFiles::read(rom)[kCell17 - 1], 0x2C);
  }
}
