// The device on a real pseudo-terminal: in-process on a background thread, and as the devicesim
// program. Waits poll with a time-out; nothing sleeps.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sim/PtyDevice.h"

extern char** environ;

namespace {

constexpr int kWaitMs = 5000;

int64_t NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Reads from fd until `done` says so or the time is up.
std::string ReadUntil(int fd, const std::function<bool(const std::string&)>& done) {
  std::string got;
  int64_t end = NowMs() + kWaitMs;
  while (!done(got)) {
    int64_t left = end - NowMs();
    if (left <= 0) break;
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left)) <= 0) break;
    char buffer[512];
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) break;
    got.append(buffer, static_cast<size_t>(n));
  }
  return got;
}

// Opens the port as the program does, sends one command and reads the reply up to its CR.
std::string Query(const std::string& path, const std::string& command) {
  int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return "open failed";
  termios t{};
  tcgetattr(fd, &t);
  cfmakeraw(&t);
  tcsetattr(fd, TCSANOW, &t);
  ioctl(fd, TIOCEXCL);
  std::string reply;
  if (write(fd, command.data(), command.size()) == static_cast<ssize_t>(command.size()))
    reply = ReadUntil(fd, [](const std::string& s) { return !s.empty() && s.back() == '\r'; });
  close(fd);
  return reply;
}

std::string TempPath(const char* name) {
  const char* dir = std::getenv("TMPDIR");
  return std::string(dir ? dir : "/tmp") + "/" + name + "." + std::to_string(getpid());
}

TEST(PtyDevice, AnswersOverTheSlaveAcrossReopens) {
  sim::Device device(32, 50);
  std::string link = TempPath("simlink");
  {
    sim::PtyDevice runner(device, {9600, link});
    ASSERT_TRUE(runner.Start()) << runner.Error();
    ASSERT_FALSE(runner.SlavePath().empty());
    char target[256] = {};
    ASSERT_GT(readlink(link.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(runner.SlavePath(), target);

    EXPECT_EQ(Query(link, "!IC@"), "50\r");
    // The program reopens the port before every query.
    std::string dump = Query(runner.SlavePath(), "!DD@");
    EXPECT_EQ(dump.substr(dump.size() - 2), "_\r");
    EXPECT_EQ(Query(link, "!HO1 PT3 LL0,0 SS90,90@!TD@"), "0,120,40\r");
    runner.WithDevice([](sim::Device& d) {
      EXPECT_EQ(d.Settings().ScaleX, 90);
      d.faults.wrongModelId = 39;
    });
    EXPECT_EQ(Query(link, "!IC@"), "39\r");

    // The operator's key sequence comes in from another thread (a signal in devicesim).
    runner.RequestEchoToggle();
    bool echo = false;
    for (int64_t end = NowMs() + kWaitMs; !echo && NowMs() < end;)
      runner.WithDevice([&](sim::Device& d) { echo = d.Mode() == sim::ReceiveMode::Echo; });
    ASSERT_TRUE(echo);
    EXPECT_EQ(Query(link, "A!IC@\r"), "A!IC@\r");
    runner.Stop();
  }
  struct stat st {};
  EXPECT_NE(lstat(link.c_str(), &st), 0) << "the link goes with the device";
}

TEST(PtyDevice, StopsWhileNoSlaveIsOpen) {
  sim::Device device(36);
  sim::PtyDevice runner(device, {0, ""});
  ASSERT_TRUE(runner.Start());
  int64_t start = NowMs();
  runner.Stop();
  EXPECT_LT(NowMs() - start, 1000);
  EXPECT_TRUE(runner.Error().empty());
}

class DeviceSimProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* bin = std::getenv("TASKHELM_BIN");
    if (!bin) GTEST_SKIP() << "TASKHELM_BIN names the folder of devicesim (ctest sets it)";
    program = std::string(bin) + "/devicesim";
    if (access(program.c_str(), X_OK) != 0) GTEST_SKIP() << program << " is not built";
  }

  // Starts devicesim with its stdout on a pipe.
  pid_t Spawn(const std::vector<std::string>& args, int& out) {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv{program.data()};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    out = fds[0];
    return pid;
  }

  int Wait(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string program;
};

TEST_F(DeviceSimProgram, PrintsTheSlaveServesAndCleansUpOnSigterm) {
  std::string link = TempPath("devicesim");
  int out = -1;
  pid_t pid = Spawn({"--model", "40", "--link", link, "--fault", "slow=10", "--rate", "0"}, out);
  ASSERT_GT(pid, 0);
  std::string line = ReadUntil(out, [](const std::string& s) { return s.find('\n') != std::string::npos; });
  close(out);
  ASSERT_FALSE(line.empty());
  std::string slave = line.substr(0, line.find('\n'));
  EXPECT_EQ(slave.rfind("/dev/pts/", 0), 0u) << slave;
  EXPECT_EQ(Query(link, "!IC@"), "40\r");
  EXPECT_EQ(Query(slave, "!FS@"), "0\r");
  kill(pid, SIGTERM);
  EXPECT_EQ(Wait(pid), 0);
  struct stat st {};
  EXPECT_NE(lstat(link.c_str(), &st), 0);
}

TEST_F(DeviceSimProgram, RefusesBadArguments) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"--model", "37"},
      {"--model", "x"},
      {"--model", "32", "--fault", "loud"},
      {"--model", "32", "--rate"},
      {"--model", "32", "--colour", "red"},
  };
  for (const auto& args : cases) {
    int out = -1;
    pid_t pid = Spawn(args, out);
    ASSERT_GT(pid, 0);
    close(out);
    EXPECT_EQ(Wait(pid), 2) << (args.empty() ? "(no arguments)" : args.back());
  }
}

}  // namespace
