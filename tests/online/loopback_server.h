#pragma once
// A one-connection HTTP server on 127.0.0.1 for the update check tests. It
// records the request it receives, then answers with the given pieces, hangs
// up at once, or never answers (and waits for the client to give up).
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

class LoopbackServer {
 public:
  enum class Behaviour { Answer, HangUp, NeverAnswer };

  // Pieces are sent with a pause between them, so that they reach the
  // client as separate chunks.
  explicit LoopbackServer(std::vector<std::string> pieces, Behaviour behaviour = Behaviour::Answer)
      : pieces_(std::move(pieces)), behaviour_(behaviour) {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    if (bind(listener_, reinterpret_cast<sockaddr*>(&address), length) == 0 && listen(listener_, 1) == 0 &&
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) == 0)
      port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~LoopbackServer() {
    if (thread_.joinable()) thread_.join();
    close(listener_);
  }
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  int Port() const { return port_; }
  std::string Url(const std::string& scheme = "http") const {
    return scheme + "://127.0.0.1:" + std::to_string(port_);
  }
  // The bytes the client sent, once the exchange is over.
  std::string Request() {
    if (thread_.joinable()) thread_.join();
    return request_;
  }

 private:
  // Bounds every wait of the server, so a client that never comes cannot
  // hold the test for long.
  static constexpr int kPatience = 15000;

  static bool Readable(int fd) {
    pollfd entry{fd, POLLIN, 0};
    return poll(&entry, 1, kPatience) > 0;
  }

  void Serve() {
    if (port_ == 0 || !Readable(listener_)) return;
    const int connection = accept(listener_, nullptr, nullptr);
    if (connection < 0) return;
    char buffer[4096];
    while (request_.find("\r\n\r\n") == std::string::npos && Readable(connection)) {
      const ssize_t n = recv(connection, buffer, sizeof(buffer), 0);
      if (n <= 0) break;
      request_.append(buffer, size_t(n));
    }
    if (behaviour_ == Behaviour::Answer) {
      for (size_t i = 0; i < pieces_.size(); ++i) {
        if (i > 0) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        send(connection, pieces_[i].data(), pieces_[i].size(), MSG_NOSIGNAL);
      }
    } else if (behaviour_ == Behaviour::NeverAnswer) {
      while (Readable(connection) && recv(connection, buffer, sizeof(buffer), 0) > 0) {
      }
    }
    close(connection);
  }

  std::vector<std::string> pieces_;
  Behaviour behaviour_;
  int listener_ = -1;
  int port_ = 0;
  std::string request_;
  std::thread thread_;
};

// A whole reply with the given body, in one piece.
inline std::string ReplyWithBody(const std::string& body) {
  return "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n\r\n" + body;
}
