#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace zelmora::test {

// A one-thread HTTP server on 127.0.0.1 for the update check's tests. Every
// connection gets the same raw reply and is closed, or, when silent, is
// held open without a word until the server goes away.
class LoopbackHttpServer {
public:
  explicit LoopbackHttpServer(std::string rawReply, bool silent = false);
  ~LoopbackHttpServer();
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  std::string Url(const std::string& path = "/update/ver.ini") const;
  // The head of the last request received (request line and headers).
  std::string LastRequest() const;

private:
  void Serve();
  void Answer(int client);

  std::string m_reply;
  bool m_silent;
  int m_listener = -1;
  int m_port = 0;
  std::atomic<bool> m_stop{false};
  mutable std::mutex m_mutex;
  std::string m_lastRequest;
  std::thread m_thread;
};

// "HTTP/1.1 <status>" with Content-Type, Content-Length and the body.
std::string HttpReply(const std::string& body, int status = 200,
                      const std::string& contentType = "text/plain");

// An address on 127.0.0.1 where nothing listens.
std::string ClosedPortUrl();

}  // namespace zelmora::test
