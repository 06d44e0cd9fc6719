// The first bytes of an input file, named for the debug line.
#include "batch/file_type.h"
#include "fuzz_support.h"

FUZZ_TARGET(file_type) {
  IdentifyFileType(WriteFuzzFile("input.bin", data, size));
  return 0;
}
