#pragma once
// The x264 option lists of the window, one row each: the x264 syntaxes, the
// subpixel levels ("Partition decision"), the motion-search methods and the
// quantizer matrices. Configs store list indexes, so rows are only ever
// appended; the enums below follow the rows, and the build checks it.

#include <array>
#include <cstdint>

namespace qv {

// The two forms of x264 option text: builds of 2006 to 2008, builds since 2010.
enum class X264Syntax : std::uint8_t { Classic, Current };

enum class SyntaxChoice : std::uint8_t { Auto, Classic, Current };

struct X264SyntaxSpec {
  SyntaxChoice choice;
  const char* listText;
  const char* cliName;  // the word `--x264-syntax` takes
};

struct SubpelSpec {
  const char* listText;
  int level;        // x264's -m as the 2006-2008 builds number it
  bool bFrameRdo;   // the "b" entries: rate-distortion also on B-frames
};

struct MotionSearchSpec {
  const char* listText;
  const char* method;  // x264's --me
  bool takesRange;     // --merange follows, and the "Range" field is on
};

struct MatrixSpec {
  const char* listText;
  bool builtIn;  // x264 knows it by name; otherwise the entry picks a file
};

inline constexpr int kX264SyntaxCount = 3;
inline constexpr int kSubpelCount = 9;
inline constexpr int kMotionSearchCount = 4;
inline constexpr int kMatrixCount = 3;

// A fast first pass decides partitions at most at this level.
inline constexpr int kFastFirstPassSubpelLevel = 3;
// Below this level chroma motion estimation is always on and its check box off.
inline constexpr int kChromaMeChoiceLevel = 5;

// The row of a list index; nullptr outside the list.
const X264SyntaxSpec* FindX264Syntax(int index);
const SubpelSpec* FindSubpel(int index);
const MotionSearchSpec* FindMotionSearch(int index);
const MatrixSpec* FindMatrix(int index);

// The list index of a syntax entry's `--x264-syntax` word; -1 for none.
int X264SyntaxIndex(const char* cliName);
// The list index of the first subpixel level at `level` or above, and of the
// first motion search that takes a range; the list's length when none does.
int SubpelIndex(int level);
int FirstRangedMotionSearch();

extern const std::array<const char*, kX264SyntaxCount> kX264SyntaxTexts;
extern const std::array<const char*, kSubpelCount> kSubpelTexts;
extern const std::array<const char*, kMotionSearchCount> kMotionSearchTexts;
extern const std::array<const char*, kMatrixCount> kMatrixTexts;

}  // namespace qv
