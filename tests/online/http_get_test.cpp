#include "online/http_get.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "online/loopback_server.h"
#include "online/update_check.h"
#include "support/program_state.h"

namespace {

// A port on 127.0.0.1 where nothing listens.
int ClosedPort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof(address);
  bind(fd, reinterpret_cast<sockaddr*>(&address), length);
  getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  close(fd);
  return ntohs(address.sin_port);
}

class HttpGetTest : public testing::Test {
 protected:
  void TearDown() override { SetReplyWaitMilliseconds(0); }
};

TEST(SplitUrl, HostPathAndPort) {
  const struct {
    const char* url;
    const char* host;
    const char* path;
    int port;
  } cases[] = {
      {"http://www.tarnwick.example/files/velmora.dat", "www.tarnwick.example", "files/velmora.dat", 80},
      // The scheme is ignored: https still goes as plain HTTP to port 80.
      {"https://www.tarnwick.example/files/velmora.dat", "www.tarnwick.example", "files/velmora.dat", 80},
      {"http://127.0.0.1:8080/files/velmora.dat", "127.0.0.1", "files/velmora.dat", 8080},
      {"www.tarnwick.example", "www.tarnwick.example", "", 80},
      {"http://[::1]:8081/a/b", "::1", "a/b", 8081},
      {"http://[::1]/a", "::1", "a", 80},
      {"http://host:http/x", "host", "x", 0},
      {"http://host:70000/x", "host", "x", 0},
  };
  for (const auto& c : cases) {
    const UrlParts parts = SplitUrl(c.url);
    EXPECT_EQ(parts.host, c.host) << c.url;
    EXPECT_EQ(parts.path, c.path) << c.url;
    EXPECT_EQ(parts.port, c.port) << c.url;
  }
}

TEST_F(HttpGetTest, SendsExactlyTheRequestOfTheUpdateFile) {
  LoopbackServer server({ReplyWithBody("290")});
  // The https scheme of the address changes nothing: plain HTTP to the port.
  EXPECT_EQ(HttpGetBody(server.Url("https") + "/files/velmora.dat", "Tarnwick PCD to JPG 2.9"), "290");
  EXPECT_EQ(server.Request(),
            "GET /files/velmora.dat HTTP/1.0\r\n"
            "Host: 127.0.0.1\r\n"
            "Accept: */*\r\n"
            "User-Agent: Tarnwick PCD to JPG 2.9\r\n"
            "Connection: close\r\n\r\n");
}

TEST_F(HttpGetTest, AnAddressWithoutPathAsksForTheRoot) {
  LoopbackServer server({ReplyWithBody("1")});
  EXPECT_EQ(HttpGetBody(server.Url(), "agent"), "1");
  EXPECT_TRUE(server.Request().starts_with("GET / HTTP/1.0\r\n")) << server.Request();
}

TEST_F(HttpGetTest, BodyBetweenTheBlankLinesTrimmedToThreeCharacters) {
  const struct {
    std::vector<std::string> pieces;
    const char* body;
  } cases[] = {
      {{ReplyWithBody("291")}, "291"},
      {{ReplyWithBody("2915")}, "291"},
      {{ReplyWithBody(" 300 ")}, "300"},
      {{ReplyWithBody("291\r\n")}, "291"},
      {{ReplyWithBody("abc")}, "abc"},
      {{ReplyWithBody("")}, ""},
      {{ReplyWithBody("\r\n\r\n291")}, ""},
      {{ReplyWithBody("12\r\n\r\n345")}, "12"},
      {{"291 without any blank line"}, ""},
      {{ReplyWithBody(std::string("29\0" "1", 4))}, "29"},
      // The status is not examined.
      {{"HTTP/1.0 404 Not Found\r\n\r\n300"}, "300"},
      // Headers and body in separate pieces: the whole reply is read.
      {{"HTTP/1.0 200 OK\r\nConnection: close\r\n\r\n", "29", "1"}, "291"},
      // Only the first 2048 bytes count: this body lies beyond them.
      {{ReplyWithBody(std::string(2040, ' ') + "291")}, ""},
      {{"HTTP/1.0 200 OK\r\nX: " + std::string(2048, 'x') + "\r\n\r\n291"}, ""},
  };
  for (const auto& c : cases) {
    LoopbackServer server(c.pieces);
    EXPECT_EQ(HttpGetBody(server.Url() + "/files/velmora.dat", "agent"), c.body) << c.pieces.front().substr(0, 80);
  }
}

TEST_F(HttpGetTest, FailuresGiveTheEmptyText) {
  EXPECT_EQ(HttpGetBody("", "agent"), "");
  EXPECT_EQ(HttpGetBody("http://127.0.0.1:" + std::to_string(ClosedPort()) + "/x", "agent"), "");
  EXPECT_EQ(HttpGetBody("http://127.0.0.1:http/x", "agent"), "");
  LoopbackServer server({}, LoopbackServer::Behaviour::HangUp);
  EXPECT_EQ(HttpGetBody(server.Url() + "/x", "agent"), "");
}

TEST_F(HttpGetTest, AServerThatNeverAnswersEndsAfterTheWait) {
  SetReplyWaitMilliseconds(200);
  LoopbackServer server({}, LoopbackServer::Behaviour::NeverAnswer);
  EXPECT_EQ(HttpGetBody(server.Url() + "/files/velmora.dat", "agent"), "");
  // It did connect and ask: the empty result comes from the wait.
  EXPECT_TRUE(server.Request().starts_with("GET /files/velmora.dat ")) << server.Request();
}

TEST_F(HttpGetTest, TheUpdateCheckAsksTheVendorAddress) {
  const struct {
    std::string body;
    UpdateOutcome outcome;
  } cases[] = {
      {"291", UpdateOutcome::NewVersion},       {"290", UpdateOutcome::UpToDate},
      {"12", UpdateOutcome::UpToDate},          {"abc", UpdateOutcome::ConnectionProblem},
      {"", UpdateOutcome::ConnectionProblem},   {"2915", UpdateOutcome::NewVersion},
      {" 300 ", UpdateOutcome::NewVersion},     {"-12", UpdateOutcome::UpToDate},
  };
  for (const auto& c : cases) {
    LoopbackServer server({ReplyWithBody(c.body)});
    ScopedEnv vendor("TARNWICK_VENDOR_URL", server.Url() + "/");
    EXPECT_EQ(FetchUpdateOutcome(), c.outcome) << "body '" << c.body << "'";
    EXPECT_TRUE(server.Request().starts_with("GET /files/velmora.dat HTTP/1.0\r\n")) << server.Request();
  }
}

TEST_F(HttpGetTest, NoServerMeansAConnectionProblem) {
  ScopedEnv vendor("TARNWICK_VENDOR_URL", "http://127.0.0.1:" + std::to_string(ClosedPort()));
  EXPECT_EQ(FetchUpdateOutcome(), UpdateOutcome::ConnectionProblem);
}

}  // namespace
