#include "catalog/x264_lists.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "catalog/table_rows.h"

namespace qv {
namespace {

constexpr X264SyntaxSpec kSyntaxes[kX264SyntaxCount] = {
    {SyntaxChoice::Auto, "auto", "auto"},
    {SyntaxChoice::Classic, "2006-2008 builds", "classic"},
    {SyntaxChoice::Current, "2010 and later", "current"},
};

constexpr bool SyntaxRowsFollowTheEnum() {
  for (int i = 0; i < kX264SyntaxCount; ++i) {
    if (static_cast<int>(kSyntaxes[i].choice) != i) return false;
  }
  return true;
}
// SyntaxChoice lists the syntax rows in order.
static_assert(SyntaxRowsFollowTheEnum());

constexpr SubpelSpec kSubpels[kSubpelCount] = {
    {"1(Fastest)", 1, false},
    {"2", 2, false},
    {"3", 3, false},
    {"4", 4, false},
    {"5(Highest)", 5, false},
    {"6(RDO)", 6, false},
    {"6b(RDO on B-frames)", 6, true},
    {"7(Best)", 7, false},
    {"7b(RDO on B-frames)", 7, true},
};

constexpr MotionSearchSpec kMotionSearches[kMotionSearchCount] = {
    {"Diamond Search", "dia", false},
    {"Hexagonal Search", "hex", false},
    {"Uneven Muti-Hexagon", "umh", true},
    {"Exhaustive Search", "esa", true},
};

constexpr MatrixSpec kMatrices[kMatrixCount] = {
    {"flat", true},
    {"jvt", true},
    {"custom...", false},
};

}  // namespace

constexpr std::array<const char*, kX264SyntaxCount> kX264SyntaxTexts = ListTexts(kSyntaxes);
constexpr std::array<const char*, kSubpelCount> kSubpelTexts = ListTexts(kSubpels);
constexpr std::array<const char*, kMotionSearchCount> kMotionSearchTexts = ListTexts(kMotionSearches);
constexpr std::array<const char*, kMatrixCount> kMatrixTexts = ListTexts(kMatrices);

const X264SyntaxSpec* FindX264Syntax(int index) { return RowAt(kSyntaxes, index); }
const SubpelSpec* FindSubpel(int index) { return RowAt(kSubpels, index); }
const MotionSearchSpec* FindMotionSearch(int index) { return RowAt(kMotionSearches, index); }
const MatrixSpec* FindMatrix(int index) { return RowAt(kMatrices, index); }

int X264SyntaxIndex(const char* cliName) {
  for (int i = 0; i < kX264SyntaxCount; ++i) {
    if (std::strcmp(kSyntaxes[i].cliName, cliName) == 0) return i;
  }
  return -1;
}

int SubpelIndex(int level) {
  const auto found = std::find_if(std::begin(kSubpels), std::end(kSubpels),
                                  [level](const SubpelSpec& row) { return row.level >= level; });
  return static_cast<int>(found - std::begin(kSubpels));
}

int FirstRangedMotionSearch() {
  const auto found = std::find_if(std::begin(kMotionSearches), std::end(kMotionSearches),
                                  [](const MotionSearchSpec& row) { return row.takesRange; });
  return static_cast<int>(found - std::begin(kMotionSearches));
}

}  // namespace qv
