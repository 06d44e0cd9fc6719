#include "platform/fonts.h"

#include <fontconfig/fontconfig.h>

#include <memory>
#include <mutex>
#include <vector>

namespace {

struct PatternDestroyer {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDestroyer>;

// The family list fontconfig makes of a name: the name, its configured
// substitutes, then the generic fallback families.
std::vector<std::string> SubstitutedFamilies(const Pattern& pattern) {
  std::vector<std::string> families;
  FcChar8* family = nullptr;
  for (int i = 0; FcPatternGetString(pattern.get(), FC_FAMILY, i, &family) == FcResultMatch; ++i)
    families.emplace_back(reinterpret_cast<const char*>(family));
  return families;
}

Pattern SubstitutedPattern(const std::string& family) {
  Pattern pattern(FcPatternCreate());
  if (!pattern) return nullptr;
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  return pattern;
}

bool SameFamily(const std::string& a, const std::string& b) {
  return FcStrCmpIgnoreCase(reinterpret_cast<const FcChar8*>(a.c_str()),
                            reinterpret_cast<const FcChar8*>(b.c_str())) == 0;
}

// The first family of the generic fallback: what follows a name that no
// configuration knows.
std::string GenericFallbackHead() {
  static std::once_flag once;
  static std::string head;
  std::call_once(once, [] {
    const std::vector<std::string> families = SubstitutedFamilies(SubstitutedPattern("velmora no such face"));
    if (families.size() > 1) head = families[1];
  });
  return head;
}

}  // namespace

bool FontFaceAvailable(const std::string& family) {
  if (family.empty() || !FcInit()) return false;
  Pattern pattern = SubstitutedPattern(family);
  if (!pattern) return false;
  FcResult result = FcResultNoMatch;
  Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
  FcChar8* matched = nullptr;
  if (!match || FcPatternGetString(match.get(), FC_FAMILY, 0, &matched) != FcResultMatch) return false;
  const std::string matchedFamily = reinterpret_cast<const char*>(matched);
  const std::string generic = GenericFallbackHead();
  for (const std::string& candidate : SubstitutedFamilies(pattern)) {
    if (!generic.empty() && SameFamily(candidate, generic)) return SameFamily(matchedFamily, family);
    if (SameFamily(candidate, matchedFamily)) return true;
  }
  return false;
}
