#pragma once
// A minimal HTTP/1.0 GET over a plain TCP connection, enough for the update
// file: the reply's body, cut to its first three characters.
#include <string>

struct UrlParts {
  std::string host;
  std::string path;  // without the leading "/"
  int port = 80;
};

// Splits "scheme://host:port/path". The scheme is ignored: the port is the
// one the address names, or 80 (also for "https://").
UrlParts SplitUrl(const std::string& url);

// The first three characters of the trimmed body of the reply to a GET of
// url, or "" on any failure (no address, no connection, no reply within the
// reply wait). The status line and the headers are not examined.
std::string HttpGetBody(const std::string& url, const std::string& userAgent);

// The reply text up to its first NUL: the part after the first blank line
// and before a second one, trimmed, its first three characters.
std::string ReplyBodyPrefix(const std::string& reply);

// How long HttpGetBody waits for the first data, 10 000 ms unless a test
// shortens it; 0 restores the 10 000 ms.
void SetReplyWaitMilliseconds(int milliseconds);
