#pragma once
// The external PhotoCD decoder. A user-supplied `convert.exe` on PATH is run
// as it is; otherwise ImageMagick (`magick`, else `convert`) stands in, with
// the promise that an intermediate file exists only when the PhotoCD file
// really holds the resolution asked for.
#include <string>
#include <vector>

enum class DecoderKind { UserSupplied, ImageMagick, Missing };

struct DecoderProgram {
  DecoderKind kind;
  std::string name;
};

// Looked up on PATH at each call, so a fake placed by a test is found.
DecoderProgram FindDecoder();
// The argument vector for one decode of `input` at resolution `index` into
// `intermediate`; the input path is made absolute so it can never be read as
// a coder prefix or a pipe.
std::vector<std::string> DecoderArguments(const DecoderProgram& decoder, const std::string& input,
                                          int index, const std::string& intermediate);
// Runs the decoder once and waits for it.
void RunDecoder(const std::string& input, int index, const std::string& intermediate);
