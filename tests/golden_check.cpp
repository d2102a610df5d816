// Runs one program on a golden input and compares every byte of its standard
// output with the expected file, and its exit status with the expected status.
//   golden_check <program> <case>   reads <case>.in, <case>.out, <case>.status
// On a mismatch it prints the first differing offset with CR, LF and bytes of
// 0x80 and above made visible.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

bool read_file(const std::string& path, std::string& out) {
  std::ifstream f(path, std::ios::binary);
  if (!f) return false;
  std::ostringstream s;
  s << f.rdbuf();
  out = s.str();
  return true;
}

std::string visible(const std::string& s, size_t from, size_t len) {
  std::string r;
  for (size_t i = from; i < s.size() && i < from + len; ++i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    char buf[8];
    if (c == '\r') {
      r += "\\r";
    } else if (c == '\n') {
      r += "\\n";
    } else if (c < 0x20 || c >= 0x7f) {
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      r += buf;
    } else {
      r += static_cast<char>(c);
    }
  }
  return r;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: golden_check <program> <case>\n";
    return 2;
  }
  const std::string prog = argv[1], base = argv[2];
  std::string expected, status_text;
  if (!read_file(base + ".out", expected)) {
    std::cerr << "missing " << base << ".out\n";
    return 2;
  }
  int want_status = 0;
  if (read_file(base + ".status", status_text)) want_status = std::stoi(status_text);

  int pipefd[2];
  if (pipe(pipefd) != 0) return 2;
  pid_t pid = fork();
  if (pid < 0) return 2;
  if (pid == 0) {
    std::FILE* in = std::freopen((base + ".in").c_str(), "rb", stdin);
    if (!in) _exit(127);
    dup2(pipefd[1], 1);
    close(pipefd[0]);
    close(pipefd[1]);
    execl(prog.c_str(), prog.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipefd[1]);
  std::string actual;
  char buf[65536];
  ssize_t n;
  while ((n = read(pipefd[0], buf, sizeof buf)) > 0) actual.append(buf, static_cast<size_t>(n));
  close(pipefd[0]);
  int wstatus = 0;
  waitpid(pid, &wstatus, 0);
  int got_status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);

  bool ok = true;
  if (actual != expected) {
    ok = false;
    size_t i = 0;
    while (i < actual.size() && i < expected.size() && actual[i] == expected[i]) ++i;
    size_t from = i > 40 ? i - 40 : 0;
    std::cerr << "output differs at byte " << i << " (expected " << expected.size()
              << " bytes, got " << actual.size() << ")\n"
              << "  expected: ..." << visible(expected, from, 100) << "\n"
              << "  actual:   ..." << visible(actual, from, 100) << "\n";
  }
  if (got_status != want_status) {
    ok = false;
    std::cerr << "exit status " << got_status << ", expected " << want_status << "\n";
  }
  return ok ? 0 : 1;
}
