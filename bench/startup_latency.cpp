// From process start to the first identification byte on the line: under 500 ms, of which the
// settle pause after opening the port is 200 ms. Starts the program (offscreen) against a pty
// of its own and times the first byte that arrives.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
  std::string program = argc > 1 ? argv[1] : "";
  if (program.empty()) {
    const char* bin = std::getenv("TASKHELM_BIN");
    program = std::string(bin ? bin : ".") + "/rendix";
  }
  int master = posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
    std::perror("pty");
    return 2;
  }
  termios raw{};
  tcgetattr(master, &raw);
  cfmakeraw(&raw);
  tcsetattr(master, TCSANOW, &raw);
  std::string slave = ptsname(master);
  std::string home = std::filesystem::temp_directory_path() / ("taskhelm-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(home);
  FILE* ini = std::fopen((home + "/Tkh.ini").c_str(), "wb");
  std::fputs("32 1 0\r\n", ini);
  std::fclose(ini);

  auto start = std::chrono::steady_clock::now();
  pid_t child = fork();
  if (child == 0) {
    setenv("RENDIX_HOME", home.c_str(), 1);
    setenv("RENDIX_COM1", slave.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  pollfd p{master, POLLIN, 0};
  double ms = -1;
  std::string seen;
  while (seen.find('!') == std::string::npos) {
    int r = poll(&p, 1, 3000);
    if (r <= 0) break;
    if (p.revents & POLLIN) {
      char buf[64];
      ssize_t n = read(master, buf, sizeof buf);
      if (n > 0) seen.append(buf, static_cast<size_t>(n));
    } else if (p.revents & (POLLHUP | POLLERR)) {
      // No slave open yet: the hang-up state lasts until the program opens the line.
      usleep(1000);
    }
  }
  if (!seen.empty())
    ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  std::filesystem::remove_all(home);
  if (ms < 0) {
    std::printf("no identification byte arrived within 3 s\n");
    return 1;
  }
  std::printf("first identification byte after %.1f ms (target < 500 ms)\n", ms);
  return ms < 500 ? 0 : 1;
}
