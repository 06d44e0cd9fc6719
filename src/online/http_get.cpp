#include "online/http_get.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <memory>

#include "app/text_util.h"
#include "platform/clock.h"

namespace {

constexpr int kDefaultReplyWait = 10000;
constexpr int kWaitStep = 20;
constexpr size_t kReceiveBufferSize = 2048;
constexpr const char* kBlankLine = "\r\n\r\n";
constexpr size_t kBodyCharacters = 3;

int g_replyWait = kDefaultReplyWait;

class Socket {
 public:
  explicit Socket(int fd) : fd_(fd) {}
  ~Socket() {
    if (fd_ >= 0) close(fd_);
  }
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  int Fd() const { return fd_; }

 private:
  int fd_;
};

struct AddressListDeleter {
  void operator()(addrinfo* list) const { freeaddrinfo(list); }
};
using AddressList = std::unique_ptr<addrinfo, AddressListDeleter>;

// Waits up to `milliseconds` for the events; false on time-out or error.
bool WaitFor(int fd, short events, int milliseconds) {
  pollfd entry{fd, events, 0};
  for (;;) {
    const int ready = poll(&entry, 1, milliseconds);
    if (ready >= 0) return ready > 0;
    if (errno != EINTR) return false;
  }
}

// A non-blocking connection to one address; the connect itself is bounded
// by the reply wait, so an address that swallows the request cannot hold
// the window for the system's long connect time-out.
bool ConnectWithin(int fd, const addrinfo& address, int milliseconds) {
  if (fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK) != 0) return false;
  if (connect(fd, address.ai_addr, address.ai_addrlen) == 0) return true;
  if (errno != EINPROGRESS || !WaitFor(fd, POLLOUT, milliseconds)) return false;
  int error = 0;
  socklen_t length = sizeof(error);
  return getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
}

// An open connection to the host and port, or an invalid socket.
std::unique_ptr<Socket> Connect(const UrlParts& parts) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(parts.host.c_str(), std::to_string(parts.port).c_str(), &hints, &found) != 0) return nullptr;
  const AddressList addresses(found);
  for (const addrinfo* address = addresses.get(); address; address = address->ai_next) {
    auto socket = std::make_unique<Socket>(::socket(address->ai_family, address->ai_socktype, address->ai_protocol));
    if (socket->Fd() >= 0 && ConnectWithin(socket->Fd(), *address, g_replyWait)) return socket;
  }
  return nullptr;
}

bool SendAll(int fd, const std::string& text) {
  size_t sent = 0;
  while (sent < text.size()) {
    const ssize_t n = send(fd, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
    if (n > 0) {
      sent += size_t(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n < 0 && errno == EAGAIN) {
      if (!WaitFor(fd, POLLOUT, g_replyWait)) return false;
    } else {
      return false;
    }
  }
  return true;
}

// Waits in 20 ms steps until the first data (or the peer's close) arrives.
bool AwaitReply(int fd) {
  const int64_t start = MillisecondClock();
  while (!WaitFor(fd, POLLIN, kWaitStep))
    if (MillisecondClock() - start > g_replyWait) return false;
  return true;
}

// Receives until the peer closes, an error, or the buffer is full. Chunks
// are stored one after the other, so a reply that arrives in pieces stays
// whole; a stalled peer ends the reading after one more reply wait.
std::string ReceiveReply(int fd) {
  char buffer[kReceiveBufferSize] = {};
  size_t received = 0;
  while (received < kReceiveBufferSize) {
    const ssize_t n = recv(fd, buffer + received, kReceiveBufferSize - received, 0);
    if (n > 0) {
      received += size_t(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n < 0 && errno == EAGAIN) {
      if (!WaitFor(fd, POLLIN, g_replyWait)) break;
    } else {
      break;
    }
  }
  return std::string(buffer, strnlen(buffer, received));
}

std::string RequestText(const UrlParts& parts, const std::string& userAgent) {
  return "GET /" + parts.path + " HTTP/1.0\r\n" + "Host: " + parts.host + "\r\n" + "Accept: */*\r\n" +
         "User-Agent: " + userAgent + "\r\n" + "Connection: close\r\n\r\n";
}

// 1..65535, or 0 for anything else.
int PortNumber(std::string_view text) {
  int port = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
  if (error != std::errc() || end != text.data() + text.size() || port < 1 || port > 65535) return 0;
  return port;
}

}  // namespace

std::string ReplyBodyPrefix(const std::string& reply) {
  const size_t start = reply.find(kBlankLine);
  if (start == std::string::npos) return "";
  std::string body = reply.substr(start + std::strlen(kBlankLine));
  const size_t end = body.find(kBlankLine);
  if (end != std::string::npos) body.resize(end);
  return Trim(body).substr(0, kBodyCharacters);
}

UrlParts SplitUrl(const std::string& url) {
  UrlParts parts;
  std::string_view rest = url;
  if (const size_t scheme = rest.find("://"); scheme != std::string_view::npos) rest.remove_prefix(scheme + 3);
  const size_t slash = rest.find('/');
  std::string_view authority = rest.substr(0, slash);
  if (slash != std::string_view::npos) parts.path = std::string(rest.substr(slash + 1));

  size_t portColon = std::string_view::npos;
  if (authority.starts_with('[')) {
    // A bracketed IPv6 literal: the port can only follow the bracket.
    const size_t close = authority.find(']');
    parts.host = std::string(authority.substr(1, close == std::string_view::npos ? close : close - 1));
    if (close != std::string_view::npos && close + 1 < authority.size() && authority[close + 1] == ':')
      portColon = close + 1;
  } else {
    portColon = authority.rfind(':');
    parts.host = std::string(authority.substr(0, portColon));
  }
  if (portColon != std::string_view::npos) parts.port = PortNumber(authority.substr(portColon + 1));
  return parts;
}

std::string HttpGetBody(const std::string& url, const std::string& userAgent) {
  if (url.empty()) return "";
  const UrlParts parts = SplitUrl(url);
  if (parts.host.empty() || parts.port == 0) return "";
  const std::unique_ptr<Socket> socket = Connect(parts);
  if (!socket) return "";
  if (!SendAll(socket->Fd(), RequestText(parts, userAgent))) return "";
  if (!AwaitReply(socket->Fd())) return "";
  return ReplyBodyPrefix(ReceiveReply(socket->Fd()));
}

void SetReplyWaitMilliseconds(int milliseconds) {
  g_replyWait = milliseconds > 0 ? milliseconds : kDefaultReplyWait;
}
