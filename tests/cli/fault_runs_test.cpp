// Faults around a console run: nothing may crash, no user file may be lost,
// no partial JPEG may be left.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/files.h"
#include "support/images.h"
#include "support/sandbox.h"

namespace {

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

class FaultRuns : public ::testing::Test {
 protected:
  void SetUp() override {
    sandbox.InstallFakeDecoder();
    sandbox.SetEnv("FAKE_CONVERT_PLAN", "6=300x200");
    CreateFolder(out);
    WriteFile(input, "x");
  }
  ProgramRun Convert(const std::vector<std::string>& options = {}) {
    std::vector<std::string> arguments = {"-i", input, "-o", out, "-q"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    return sandbox.Run(arguments);
  }
  // Root ignores permission bits, so the program is run as "nobody" then.
  ProgramRun ConvertUnprivileged() {
    if (geteuid() != 0) return Convert();
    for (const std::string& folder : {sandbox.Root(), sandbox.Path("bin/"), sandbox.Path("work/")})
      chmod(folder.c_str(), 0755);
    chmod(input.c_str(), 0644);
    chmod(sandbox.Path("runtime").c_str(), 01777);
    return sandbox.RunProgram("/usr/bin/setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", VELMORA_BINARY,
                                                  "-i", input, "-o", out, "-q"});
  }
  void ExpectNothingLost(const ProgramRun& run) {
    EXPECT_EQ(run.status, 2) << run.out << run.err;
    EXPECT_EQ(run.out, "Conversion stopped\n");
    EXPECT_EQ(ReadFile(out + "photo.jpg"), "the user's earlier picture");
    EXPECT_EQ(FilesIn(out), std::vector<std::string>{"photo.jpg"});
  }

  Sandbox sandbox;
  const std::string input = sandbox.Path("work/photo.pcd");
  const std::string out = sandbox.Path("out/");
};

TEST_F(FaultRuns, AnUnwritableOutputFolder) {
  WriteFile(out + "photo.jpg", "the user's earlier picture");
  chmod(out.c_str(), 0555);
  ExpectNothingLost(ConvertUnprivileged());
  chmod(out.c_str(), 0755);
}

TEST_F(FaultRuns, AWriteProtectedEarlierOutput) {
  WriteFile(out + "photo.jpg", "the user's earlier picture");
  chmod((out + "photo.jpg").c_str(), 0444);
  chmod(out.c_str(), 0777);
  ExpectNothingLost(ConvertUnprivileged());
}

TEST_F(FaultRuns, AFolderWhereTheJpegWouldGo) {
  CreateFolder(out + "photo.jpg");
  WriteFile(out + "photo.jpg/inside.txt", "the user's file");
  const ProgramRun run = Convert();
  EXPECT_EQ(run.status, 2) << run.out << run.err;
  EXPECT_EQ(run.out, "Conversion stopped\n");
  EXPECT_EQ(ReadFile(out + "photo.jpg/inside.txt"), "the user's file");
  EXPECT_EQ(FilesIn(out), std::vector<std::string>{"photo.jpg"});
  EXPECT_EQ(FilesIn(out + "photo.jpg"), std::vector<std::string>{"inside.txt"});
}

TEST_F(FaultRuns, AFullDisk) {
  const std::string full = sandbox.Path("full/");
  CreateFolder(full);
  if (mount("tmpfs", full.c_str(), "tmpfs", 0, "size=64k") != 0) GTEST_SKIP() << "no tmpfs can be mounted here";
  WriteFile(full + "photo.jpg", "the user's earlier picture");
  const ProgramRun run = sandbox.Run({"-i", input, "-o", full, "-q", "--width=3000", "--height=2000"});
  EXPECT_EQ(run.status, 2) << run.out;
  EXPECT_EQ(ReadFile(full + "photo.jpg"), "the user's earlier picture");
  EXPECT_EQ(FilesIn(full), std::vector<std::string>{"photo.jpg"});
  umount(full.c_str());
}

TEST_F(FaultRuns, AFileSizeLimitStandsInForAFullDisk) {
  WriteFile(out + "photo.jpg", "the user's earlier picture");
  // dash counts in 512-byte blocks: 20 KiB, more than the decoder's small
  // TGA, far less than the enlarged JPEG.
  const ProgramRun run = sandbox.RunProgram(
      "/bin/sh", {"-c", "trap '' XFSZ; ulimit -f 40; exec \"$0\" \"$@\"", VELMORA_BINARY, "-i", input, "-o", out, "-q",
                  "--width=3000", "--height=2000"});
  ExpectNothingLost(run);
}

TEST_F(FaultRuns, TheInputVanishesBeforeItIsDecoded) {
  WriteFile(out + "photo.jpg", "the user's earlier picture");
  sandbox.SetEnv("FAKE_CONVERT_REMOVE", input);
  sandbox.SetEnv("FAKE_CONVERT_PLAN", "*=none");
  ExpectNothingLost(Convert());
}

TEST_F(FaultRuns, DecodersThatMisbehave) {
  const std::string sample = VELMORA_SOURCE_DIR "/samples/sample.pcd";
  const struct {
    const char* plan;
    const char* delay;
    std::string source;
    int status;
    unsigned width;
  } cases[] = {
      {"6=crash", "0", input, 2, 0},        // dies after half a file: nothing to read
      {"6=crash", "0", sample, 0, 768},     // the PhotoCD reader takes over
      {"6=garbage", "0", sample, 0, 768},
      {"6=300x200", "400", input, 0, 300},  // slow, but it answers
  };
  for (const auto& c : cases) {
    sandbox.SetEnv("FAKE_CONVERT_PLAN", c.plan);
    sandbox.SetEnv("FAKE_CONVERT_DELAY_MS", c.delay);
    const ProgramRun run = sandbox.Run({"-i", c.source, "-o", out, "-q"});
    EXPECT_EQ(run.status, c.status) << c.plan << run.out;
    const std::string written = out + NameWithoutExtension(c.source) + ".jpg";
    EXPECT_EQ(WidthOf(LoadImageFile(written)), c.width) << c.plan;
    DeleteFile(written);
    EXPECT_TRUE(FilesIn(out).empty()) << c.plan;
  }
}

TEST_F(FaultRuns, AHugePictureFromTheDecoder) {
  std::string header(18, '\0');
  header[2] = 2;
  header[12] = char(50000 & 0xFF), header[13] = char(50000 >> 8);
  header[14] = char(50000 & 0xFF), header[15] = char(50000 >> 8);
  header[16] = 24;
  WriteFile(sandbox.Path("huge.tga"), header);
  sandbox.SetEnv("FAKE_CONVERT_PLAN", "6=copy:" + sandbox.Path("huge.tga"));
  WriteFile(out + "photo.jpg", "the user's earlier picture");
  ExpectNothingLost(Convert());
}

}  // namespace
