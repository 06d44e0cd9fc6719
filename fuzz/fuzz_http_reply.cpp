// What a web server answers to the update check, and the addresses it is
// asked at.
#include "fuzz_support.h"
#include "online/http_get.h"

FUZZ_TARGET(http_reply) {
  const std::string text(FuzzText(data, size));
  ReplyBodyPrefix(text);
  SplitUrl(text);
  return 0;
}
