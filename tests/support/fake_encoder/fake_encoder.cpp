// A stand-in for ffmpeg in tests that need exact timing, exit codes or a
// child that hangs. It is a compiled program (not a script) so that
// /proc/PID/exe names it, as it names ffmpeg. Every argument is one command,
// carried out in order:
//
//   record=FILE      write the working folder and every argument to FILE,
//                    each followed by a zero byte
//   out=TEXT         write TEXT to stdout; \r \n \t \\ and \xHH are decoded
//   err=TEXT         the same on stderr
//   progress=N,MS    N ffmpeg-style progress lines ended by CR, MS apart
//   sleep=MS         wait MS milliseconds, watching stdin for "q"
//   silent           wait until killed (or "q")
//   ignore-q         from now on "q" on stdin is read and ignored
//   q-exit=CODE      the exit code when "q" arrives (default 0)
//   close-output     close stdout and stderr, keep running
//   fds=FILE         write the numbers of the open descriptors to FILE
//   fork-orphan=FILE fork a copy that leaves us at once (so it is not the
//                    caller's child), writes its pid to FILE and sleeps 30 s
//   write=N,FILE     append N bytes to FILE (a partly written output);
//                    write=N appends them to the last argument
//   signal=SIG       die by signal SIG
//   exit=CODE        exit with CODE (the end of the commands exits with 0)
//
// Anything else is written to stderr and ends the program with code 99.
//
// Started as ffmpeg (its first argument begins with "-") while
// ZELMORA_FAKE_ENCODER_COMMANDS is set, it answers the encoder-list and
// probe calls the way ffmpeg does without an output, and carries out the
// blank-separated commands of that variable for every encoding. So a
// symbolic link named ffmpeg can stand in for ffmpeg itself.

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

namespace {

bool g_ignoreQ = false;
int g_qExitCode = 0;
bool g_stdinOpen = true;

std::string Decode(const char* text) {
  std::string out;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p != '\\' || p[1] == '\0') {
      out += *p;
      continue;
    }
    char c = *++p;
    if (c == 'r')
      out += '\r';
    else if (c == 'n')
      out += '\n';
    else if (c == 't')
      out += '\t';
    else if (c == 'x' && p[1] != '\0' && p[2] != '\0') {
      char hex[3] = {p[1], p[2], '\0'};
      out += static_cast<char>(std::strtol(hex, nullptr, 16));
      p += 2;
    } else
      out += c;
  }
  return out;
}

void WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    done += static_cast<size_t>(n);
  }
}

long NowMs() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec * 1000L + ts.tv_nsec / 1000000L;
}

// Waits ms milliseconds (forever when negative), reacting to "q" on stdin.
void Wait(long ms) {
  long end = NowMs() + ms;
  for (;;) {
    long left = ms < 0 ? 1000 : end - NowMs();
    if (ms >= 0 && left <= 0) return;
    if (!g_stdinOpen) {
      usleep(static_cast<useconds_t>((left > 100 ? 100 : left) * 1000));
      continue;
    }
    pollfd p{0, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left)) <= 0) continue;
    char buffer[64];
    ssize_t n = read(0, buffer, sizeof buffer);
    if (n <= 0) {
      g_stdinOpen = false;
      continue;
    }
    if (!g_ignoreQ && std::memchr(buffer, 'q', static_cast<size_t>(n)) != nullptr) {
      WriteAll(2, "Exiting on q\n");
      std::exit(g_qExitCode);
    }
  }
}

void Record(const char* file, int argc, char** argv) {
  std::string text;
  char cwd[4096];
  text += getcwd(cwd, sizeof cwd) != nullptr ? cwd : "?";
  text += '\0';
  for (int i = 0; i < argc; ++i) {
    text += argv[i];
    text += '\0';
  }
  int fd = open(file, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd >= 0) {
    WriteAll(fd, text);
    close(fd);
  }
}

void Progress(const char* arg) {
  int count = 0, ms = 0;
  std::sscanf(arg, "%d,%d", &count, &ms);
  for (int frame = 1; frame <= count; ++frame) {
    char line[200];
    std::snprintf(line, sizeof line,
                  "frame=%5d fps= 25 q=2.0 size=%8dkB time=00:00:%02d.00 bitrate= 100.0kbits/s "
                  "speed=1.00x    \r",
                  frame * 10, frame * 16, frame % 60);
    WriteAll(2, line);
    Wait(ms);
  }
}

void ForkOrphan(const char* pidFile) {
  pid_t middle = fork();
  if (middle != 0) {
    if (middle > 0) waitpid(middle, nullptr, 0);
    return;
  }
  // The middle process leaves at once; the grandchild is adopted elsewhere.
  if (fork() != 0) _exit(0);
  int null = open("/dev/null", O_RDWR);
  for (int fd = 0; fd <= 2; ++fd) dup2(null, fd);
  std::string tmp = std::string(pidFile) + ".tmp";
  int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  WriteAll(fd, std::to_string(getpid()));
  close(fd);
  rename(tmp.c_str(), pidFile);
  sleep(30);
  _exit(0);
}

void ListDescriptors(const char* file) {
  std::string text;
  DIR* dir = opendir("/proc/self/fd");
  while (dirent* entry = readdir(dir)) {
    if (entry->d_name[0] == '.' || std::atoi(entry->d_name) == dirfd(dir)) continue;
    text += entry->d_name;
    text += '\n';
  }
  closedir(dir);
  int fd = open(file, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  WriteAll(fd, text);
  close(fd);
}

void AppendBytes(const char* arg, const char* lastArgument) {
  char* rest = nullptr;
  long count = std::strtol(arg, &rest, 10);
  const char* file = *rest == ',' ? rest + 1 : lastArgument;
  int fd = open(file, O_WRONLY | O_CREAT | O_APPEND, 0644);
  if (fd < 0) return;
  WriteAll(fd, std::string(static_cast<size_t>(count), 'x'));
  close(fd);
}

void CloseOutput() {
  int null = open("/dev/null", O_WRONLY);
  dup2(null, 1);
  dup2(null, 2);
  close(null);
}

bool Command(const std::string& arg, int argc, char** argv) {
  auto value = [&](const char* name) -> const char* {
    size_t n = std::strlen(name);
    return arg.compare(0, n, name) == 0 ? arg.c_str() + n : nullptr;
  };
  if (const char* v = value("record="))
    Record(v, argc, argv);
  else if (const char* v = value("out="))
    WriteAll(1, Decode(v));
  else if (const char* v = value("err="))
    WriteAll(2, Decode(v));
  else if (const char* v = value("progress="))
    Progress(v);
  else if (const char* v = value("sleep="))
    Wait(std::atol(v));
  else if (arg == "silent")
    Wait(-1);
  else if (arg == "ignore-q")
    g_ignoreQ = true;
  else if (const char* v = value("q-exit="))
    g_qExitCode = std::atoi(v);
  else if (arg == "close-output")
    CloseOutput();
  else if (const char* v = value("fork-orphan="))
    ForkOrphan(v);
  else if (const char* v = value("fds="))
    ListDescriptors(v);
  else if (const char* v = value("write="))
    AppendBytes(v, argv[argc - 1]);
  else if (const char* v = value("signal=")) {
    std::signal(std::atoi(v), SIG_DFL);
    raise(std::atoi(v));
  } else if (const char* v = value("exit="))
    std::exit(std::atoi(v));
  else
    return false;
  return true;
}

// The commands of ZELMORA_FAKE_ENCODER_COMMANDS for a call made as ffmpeg.
int RunAsFfmpeg(const char* commands, int argc, char** argv) {
  if (std::strcmp(argv[1], "-hide_banner") == 0) return 0;
  if (argc <= 3) {
    WriteAll(2, "At least one output file must be specified\n");
    return 1;
  }
  std::string all = commands;
  for (size_t pos = 0; pos < all.size();) {
    size_t end = all.find(' ', pos);
    if (end == std::string::npos) end = all.size();
    std::string command = all.substr(pos, end - pos);
    pos = end + 1;
    if (command.empty()) continue;
    if (!Command(command, argc, argv)) {
      WriteAll(2, "fake_encoder: unknown command " + command + "\n");
      return 99;
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const char* asFfmpeg = std::getenv("ZELMORA_FAKE_ENCODER_COMMANDS");
  if (asFfmpeg != nullptr && argc > 1 && argv[1][0] == '-')
    return RunAsFfmpeg(asFfmpeg, argc, argv);
  for (int i = 1; i < argc; ++i) {
    if (!Command(argv[i], argc, argv)) {
      WriteAll(2, std::string("fake_encoder: unknown command ") + argv[i] + "\n");
      return 99;
    }
  }
  return 0;
}
