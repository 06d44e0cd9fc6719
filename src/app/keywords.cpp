#include "app/keywords.h"

#include <span>

#include "app/text_util.h"

namespace {

struct Keyword {
  const char* word;
  int value;
};

// Sets are indexed by their number; the order of pairs matters in both
// directions.
const Keyword kSet0[] = {{"AUTO", 0}, {"BGRA", 1}, {"RGBA", 2}};
const Keyword kSet1[] = {{"AUTO", 0}, {"8", 1}, {"16", 2}, {"24", 3}, {"48HS", 4}, {"48", 5}};
const Keyword kSet2[] = {{"ALL", 0}, {"FIRST", 1}, {"MIDDLE", 2}, {"LAST", 3}, {"RANDOM", 4}};
const Keyword kSet3[] = {{"NONE", 0}, {"LINEAR", 1}, {"AL", 2}, {"DRR", 3}, {"GD", 4}};
const Keyword kSet4[] = {{"NONE", 0},      {"RLE", 1},       {"ZIP", 1},       {"PIZ", 2},
                         {"PXR24", 3},     {"B44", 4},       {"ZLIB1", 1},     {"ZLIB6", 2},
                         {"ZLIB9", 3},     {"CCITTFAX3", 1}, {"CCITTFAX4", 2}, {"PACKBITS", 3},
                         {"DEFLATE", 4},   {"ADOBEDEFLATE", 5}, {"LZW", 6},    {"JPEG", 7},
                         {"LOGLUV", 8}};
const Keyword kSet5[] = {{"AUTO", 0}, {"EXACT", 1}};
const Keyword kSet6[] = {{"RGB", 0}, {"CMYK", 1}, {"LAB", 2}};
const Keyword kSet7[] = {{"NONE", 0}, {"LOW", 1}, {"MEDIUM", 2}, {"HIGH", 3}};
const Keyword kSet8[] = {{"STANDARD", 0}, {"SIMPLE", 1}, {"OPTIMIZED", 2}, {"PROGRESSIVE", 3}};
const Keyword kSet9[] = {{"SIMPLE", 0}, {"ADVANCED", 1}};
const Keyword kSet10[] = {{"PIXELS", 0}, {"PERCENT", 1}};
const Keyword kSet11[] = {{"ALLIMAGES", 0}, {"LARGEIMAGES", 1}};
const Keyword kSet12[] = {{"BOX", 0},     {"BILINEAR", 1},   {"BSPLINE", 2},
                          {"BICUBIC", 3}, {"CATMULLROM", 4}, {"LANCZOS", 5}};
const Keyword kSet13[] = {{"FS", 0},       {"BAYER4", 1},   {"BAYER8", 2},   {"BAYER16", 3},
                          {"CLUSTER6", 4}, {"CLUSTER8", 5}, {"CLUSTER16", 6}};
const Keyword kSet14[] = {{"NONE", 0}, {"SOLID", 1}};
const Keyword kSet15[] = {{"NONE", 0}, {"TEXT", 1}, {"IMAGE", 2}};
const Keyword kSet16[] = {{"REGULAR", 0}, {"BOLD", 1}, {"ITALIC", 2}, {"BOLDITALIC", 3}};
const Keyword kSet17[] = {{"NONE", 0}, {"UNDERLINE", 1}, {"STRIKETHROUGHT", 2}};
const Keyword kSet18[] = {{"LEFT", 0}, {"CENTER", 1}, {"RIGHT", 2}};
const Keyword kSet19[] = {{"IMAGE", 0}, {"FRAME", 1}};
const Keyword kSet20[] = {{"TOPLEFT", 0},     {"TOPCENTER", 1},    {"TOPRIGHT", 2},
                          {"MIDDLELEFT", 3},  {"MIDDLECENTER", 4}, {"MIDDLERIGHT", 5},
                          {"BOTTOMLEFT", 6},  {"BOTTOMCENTER", 7}, {"BOTTOMRIGHT", 8}};
const Keyword kSet21[] = {{"FIXED", 0}};
const Keyword kSet22[] = {{"CURRENT", 0}, {"ORIGINAL", 1}, {"CUSTOM", 2}};

const std::span<const Keyword> kSets[kKeywordSetCount] = {
    kSet0,  kSet1,  kSet2,  kSet3,  kSet4,  kSet5,  kSet6,  kSet7,  kSet8,  kSet9,  kSet10, kSet11,
    kSet12, kSet13, kSet14, kSet15, kSet16, kSet17, kSet18, kSet19, kSet20, kSet21, kSet22};

bool IsKnownSet(int set) { return set >= 0 && set < kKeywordSetCount; }

}  // namespace

int ParseKeyword(int set, const std::string& text) {
  if (!IsKnownSet(set) || set == 14 || set == 15) return 0;
  const std::string upper = AsciiUpper(text);
  for (const Keyword& keyword : kSets[set])
    if (upper == keyword.word) return keyword.value;
  return 0;
}

std::string KeywordText(int set, int value) {
  if (!IsKnownSet(set)) return "";
  for (const Keyword& keyword : kSets[set])
    if (keyword.value == value) return keyword.word;
  return "";
}
