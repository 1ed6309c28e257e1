#include "support/loopback_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace zelmora::test {

namespace {

int ListenOnLoopback(int& port) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) throw std::runtime_error("socket failed");
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof addr;
  if (bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || listen(fd, 8) != 0 ||
      getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &length) != 0) {
    close(fd);
    throw std::runtime_error("cannot listen on 127.0.0.1");
  }
  port = ntohs(addr.sin_port);
  return fd;
}

// Loopback addresses are reached directly even on a machine whose
// environment names a proxy.
void BypassProxyForLoopback() {
  setenv("no_proxy", "127.0.0.1,localhost", 1);
  setenv("NO_PROXY", "127.0.0.1,localhost", 1);
}

bool Readable(int fd, int timeoutMs) {
  pollfd p{fd, POLLIN, 0};
  return poll(&p, 1, timeoutMs) > 0;
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer(std::string rawReply, bool silent)
    : m_reply(std::move(rawReply)), m_silent(silent) {
  BypassProxyForLoopback();
  m_listener = ListenOnLoopback(m_port);
  m_thread = std::thread([this] { Serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
  m_stop = true;
  m_thread.join();
  close(m_listener);
}

std::string LoopbackHttpServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

std::string LoopbackHttpServer::LastRequest() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_lastRequest;
}

void LoopbackHttpServer::Serve() {
  std::vector<int> held;
  while (!m_stop) {
    if (!Readable(m_listener, 20)) continue;
    const int client = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) continue;
    if (m_silent) {
      held.push_back(client);
      continue;
    }
    Answer(client);
    close(client);
  }
  for (int client : held) close(client);
}

void LoopbackHttpServer::Answer(int client) {
  std::string request;
  char buffer[4096];
  while (request.find("\r\n\r\n") == std::string::npos && Readable(client, 2000)) {
    const ssize_t n = read(client, buffer, sizeof buffer);
    if (n <= 0) break;
    request.append(buffer, static_cast<size_t>(n));
  }
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lastRequest = request;
  }
  for (size_t sent = 0; sent < m_reply.size();) {
    const ssize_t n = send(client, m_reply.data() + sent, m_reply.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) break;
    sent += static_cast<size_t>(n);
  }
  shutdown(client, SHUT_WR);
}

std::string HttpReply(const std::string& body, int status, const std::string& contentType) {
  return "HTTP/1.1 " + std::to_string(status) + (status == 200 ? " OK" : " Not Found") +
         "\r\nContent-Type: " + contentType + "\r\nContent-Length: " + std::to_string(body.size()) +
         "\r\nConnection: close\r\n\r\n" + body;
}

std::string ClosedPortUrl() {
  BypassProxyForLoopback();
  int port = 0;
  const int fd = ListenOnLoopback(port);
  close(fd);
  return "http://127.0.0.1:" + std::to_string(port) + "/update/ver.ini";
}

}  // namespace zelmora::test
