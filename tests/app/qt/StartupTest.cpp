// Starting the program: one instance per user, and a killed instance never blocks the next.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include "app/qt/CommandLine.h"
#include "app/qt/Form1.h"
#include "app/qt/RecordingMessages.h"
#include "app/qt/SingleInstance.h"

namespace kuitti::test {
namespace {

class StartupTest : public testing::Test {
 protected:
  StartupTest() {
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       runtime.filePath(QStringLiteral("config")));
  }

  ~StartupTest() override {
    for (QProcess* process : {&first, &third}) {
      if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished();
      }
    }
  }

  void Start(QProcess& process, const QProcessEnvironment& env, const QStringList& arguments = {}) {
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(KUITTI_APP), arguments);
    ASSERT_TRUE(process.waitForStarted());
  }

  // A platform that does not exist makes a start fail loudly once it gets as far as the user
  // interface.
  QProcessEnvironment WithoutDisplay() const {
    QProcessEnvironment env = environment;
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    return env;
  }

  struct Finished {
    int exitCode;
    QString out;
    QString err;
  };
  Finished Run(const QProcessEnvironment& env, const QStringList& arguments) {
    QProcess process;
    Start(process, env, arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
  }

  QString LockFile(const QTemporaryDir& directory) const {
    return directory.filePath(QStringLiteral("kuittikopio-%1.lock").arg(getuid()));
  }
  QString LockFile() const { return LockFile(runtime); }

  // The lock file names its holder's process id on its first line.
  qint64 LockHolder() const { return LockHolder(LockFile()); }
  static qint64 LockHolder(const QString& lockFile) {
    QFile file(lockFile);
    if (!file.open(QIODevice::ReadOnly)) {
      return 0;
    }
    return file.readLine().trimmed().toLongLong();
  }

  bool WaitUntilHolding(const QProcess& process, const QString& lockFile) {
    return QTest::qWaitFor([&] { return LockHolder(lockFile) == process.processId(); }, 30000);
  }
  bool WaitUntilHolding(const QProcess& process) { return WaitUntilHolding(process, LockFile()); }

  QTemporaryDir runtime;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  QProcess first;
  QProcess third;
};

TEST_F(StartupTest, SecondStartEndsAtOnceWithStatusZeroWhileTheFirstRuns) {
  Start(first, environment);
  ASSERT_TRUE(WaitUntilHolding(first));

  QProcess second;
  Start(second, WithoutDisplay());
  ASSERT_TRUE(second.waitForFinished(30000));
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_TRUE(second.readAllStandardOutput().isEmpty());
  EXPECT_TRUE(second.readAllStandardError().isEmpty());

  EXPECT_EQ(first.state(), QProcess::Running);
  EXPECT_EQ(LockHolder(), first.processId());
}

TEST_F(StartupTest, SecondStartBringsTheMinimisedWindowToTheFrontAndEndsSilently) {
  // This test program is the first instance, with the program's own lock and window.
  const QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
  qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
  const auto restore = qScopeGuard([&] { qputenv("XDG_RUNTIME_DIR", previous); });
  kuitti::SingleInstance instance;
  ASSERT_EQ(instance.TryAcquire(), kuitti::SingleInstance::Start::kFirst);
  kuitti::test::RecordingMessages messages;
  kuitti::Form1 form(messages, nullptr);
  form.show();
  instance.ShowOnLaterStarts(form);
  QWidget otherWindow;
  otherWindow.show();
  otherWindow.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&otherWindow));
  form.showMinimized();
  ASSERT_TRUE(form.isMinimized());

  QProcess second;
  Start(second, environment);
  ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 30000));
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_TRUE(second.readAllStandardOutput().isEmpty());
  EXPECT_TRUE(second.readAllStandardError().isEmpty());
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return !form.isMinimized() && QApplication::activeWindow() == &form; }, 10000));
}

TEST_F(StartupTest, ALockThatCannotBeTakenStartsTheProgramAndSaysWhyOnStandardError) {
  QProcessEnvironment unwritable = environment;
  unwritable.insert(QStringLiteral("XDG_RUNTIME_DIR"), QStringLiteral("/proc"));
  unwritable.insert(QStringLiteral("TMPDIR"), QStringLiteral("/proc"));
  Start(first, unwritable);
  QByteArray err;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        err += first.readAllStandardError();
        return err.contains('\n') || first.state() == QProcess::NotRunning;
      },
      30000));
  EXPECT_EQ(first.state(), QProcess::Running);
  // As root the folder is writable but /proc takes no files; others are told it is not writable.
  const QString line = QString::fromUtf8(err).section(QLatin1Char('\n'), 0, 0);
  EXPECT_TRUE(
      line.startsWith(QStringLiteral("Kaksoiskäynnistyksen esto ei ole käytössä, koska "
                                     "lukkotiedostoa ei voi luoda: /proc/kuittikopio-%1.lock")
                          .arg(getuid())))
      << line.toStdString();
  EXPECT_TRUE(line.endsWith(
      QStringLiteral(". Ohjelma käynnistyy silti, mutta se voi olla auki useaan kertaan.")));
}

TEST_F(StartupTest, LockOfAKilledInstanceDoesNotBlockTheNextStart) {
  Start(first, environment);
  ASSERT_TRUE(WaitUntilHolding(first));
  first.kill();
  ASSERT_TRUE(first.waitForFinished());
  ASSERT_TRUE(QFile::exists(LockFile())) << "a killed instance leaves its lock behind";

  Start(third, environment);
  EXPECT_TRUE(WaitUntilHolding(third));
  EXPECT_EQ(third.state(), QProcess::Running);
}

TEST_F(StartupTest, RuntimeDirectoryThatDoesNotExistFallsBackToTheTempDirectory) {
  QTemporaryDir temp;
  QProcessEnvironment env = environment;
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.filePath(QStringLiteral("missing")));
  env.insert(QStringLiteral("TMPDIR"), temp.path());
  Start(third, env);
  EXPECT_TRUE(WaitUntilHolding(third, LockFile(temp)));
  EXPECT_EQ(third.state(), QProcess::Running);
}

TEST_F(StartupTest, HelpAndVersionAnswerWithoutTheLockOrADisplay) {
  const struct {
    QStringList arguments;
    QString output;
  } cases[] = {
      {{QStringLiteral("--version")}, QStringLiteral("kuittikopio " KUITTI_VERSION "\n")},
      {{QStringLiteral("--help")}, QString::fromStdString(kuitti::kHelp)},
      {{QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("--version")},
       QStringLiteral("kuittikopio " KUITTI_VERSION "\n")},
  };
  for (const auto& c : cases) {
    const Finished alone = Run(WithoutDisplay(), c.arguments);
    EXPECT_EQ(alone.exitCode, 0) << alone.err.toStdString();
    EXPECT_EQ(alone.out, c.output);
    EXPECT_FALSE(QFile::exists(LockFile())) << "the lock is left alone";
  }

  Start(first, environment);
  ASSERT_TRUE(WaitUntilHolding(first));
  for (const auto& c : cases) {
    EXPECT_EQ(Run(WithoutDisplay(), c.arguments).out, c.output) << "answered while one runs";
  }
  EXPECT_EQ(LockHolder(), first.processId());
}

TEST_F(StartupTest, QtOptionsAreTakenAndOtherArgumentsRefusedInFinnishAlsoWhileOneRuns) {
  const struct {
    QStringList arguments;
    QString message;
  } refused[] = {
      {{QStringLiteral("--bogus")}, QStringLiteral("kuittikopio: tuntematon valitsin --bogus\n")},
      {{QStringLiteral("M104233")},
       QStringLiteral("kuittikopio: ylimääräinen argumentti M104233\n")},
  };
  const QString usage = QString::fromUtf8(kuitti::kUsage);
  for (const auto& r : refused) {
    const Finished alone = Run(environment, r.arguments);
    EXPECT_EQ(alone.exitCode, 2);
    EXPECT_EQ(alone.out, QString());
    EXPECT_EQ(alone.err, r.message + usage);
  }

  Start(third, WithoutDisplay(), {QStringLiteral("-platform"), QStringLiteral("offscreen")});
  EXPECT_TRUE(WaitUntilHolding(third));
  EXPECT_EQ(third.state(), QProcess::Running);
  // The options are read before the lock: refused as well while an instance runs.
  for (const auto& r : refused) {
    const Finished second = Run(WithoutDisplay(), r.arguments);
    EXPECT_EQ(second.exitCode, 2);
    EXPECT_EQ(second.err, r.message + usage);
  }
  EXPECT_EQ(LockHolder(), third.processId());
}

TEST(CommandLine, OwnOptionsQtsOptionsAndMistakes) {
  using Request = WindowCommandLine::Request;
  const struct {
    QStringList arguments;  // after the program name
    Request request;
    std::string mistake;
  } cases[] = {
      {{}, Request::kRun, {}},
      {{"--help"}, Request::kShowHelp, {}},
      {{"-help"}, Request::kShowHelp, {}},
      {{"--version"}, Request::kShowVersion, {}},
      {{"--bogus", "--help"}, Request::kShowHelp, {}},
      {{"-platform", "offscreen"}, Request::kRun, {}},
      {{"--platform", "xcb", "-style=Fusion", "-reverse", "-qwindowgeometry", "602x545+0+0"},
       Request::kRun,
       {}},
      {{"-platform"}, Request::kRefuse, "valitsimen -platform arvo puuttuu"},
      {{"-reverse=yes"}, Request::kRefuse, "tuntematon valitsin -reverse=yes"},
      {{"--bogus"}, Request::kRefuse, "tuntematon valitsin --bogus"},
      {{"-v"}, Request::kRefuse, "tuntematon valitsin -v"},
      {{"104233", "--bogus"}, Request::kRefuse, "ylimääräinen argumentti 104233"},
      {{"--", "--help"}, Request::kRefuse, "ylimääräinen argumentti --help"},
      {{"-"}, Request::kRefuse, "ylimääräinen argumentti -"},
  };
  for (const auto& c : cases) {
    const WindowCommandLine read = ReadCommandLine(QStringList{"kuittikopio"} + c.arguments);
    EXPECT_EQ(read.request, c.request) << c.arguments.join(' ').toStdString();
    EXPECT_EQ(read.mistake, c.mistake) << c.arguments.join(' ').toStdString();
  }
}

TEST_F(StartupTest, WithoutADisplayTheStartSaysSoInFinnishAndEndsWithStatusOne) {
  const struct {
    const char* display;  // nothing: not set
    const char* platform;
    QString message;
  } cases[] = {
      {nullptr, nullptr,
       QStringLiteral("kuittikopio: näyttöä ei löytynyt (DISPLAY ei ole asetettu), joten "
                      "ikkunaa ei voi avata.\n")},
      {":4711", nullptr,
       QStringLiteral("kuittikopio: näyttöä ei löytynyt (DISPLAY=:4711), joten ikkunaa ei voi "
                      "avata.\n")},
      {nullptr, "no-such-platform",
       QStringLiteral("kuittikopio: näyttöä ei löytynyt (DISPLAY ei ole asetettu), joten "
                      "ikkunaa ei voi avata.\n")},
  };
  for (const auto& c : cases) {
    QProcessEnvironment env = environment;
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
      env.remove(QString::fromLatin1(name));
    }
    if (c.display) {
      env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(c.display));
    }
    if (c.platform) {
      env.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(c.platform));
    }
    const Finished finished = Run(env, {});
    EXPECT_EQ(finished.exitCode, 1) << c.message.toStdString();
    EXPECT_EQ(finished.out, QString());
    EXPECT_EQ(finished.err, c.message);
  }
  // Nothing of those starts keeps the next one from running.
  Start(third, environment);
  EXPECT_TRUE(WaitUntilHolding(third));
  EXPECT_EQ(third.state(), QProcess::Running);
}

}  // namespace
}  // namespace kuitti::test
