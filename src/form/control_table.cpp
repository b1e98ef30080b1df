#include "form/control_table.h"

#include "catalog/audio_encoders.h"
#include "catalog/encode_modes.h"
#include "catalog/muxers.h"
#include "catalog/when_done.h"
#include "catalog/x264_lists.h"

namespace qv {
namespace {

const char* const kPages[] = {"Bitrate", "Rate Control", "MBs&&Frames", "More", "Job"};
const char* const kDirect[] = {"Temporal", "Spatial", "Auto"};
const char* const kTrellis[] = {"0", "1", "2"};

template <std::size_t N>
constexpr ItemList Items(const char* const (&items)[N]) {
  return ItemList{items, N};
}
template <std::size_t N>
ItemList Items(const std::array<const char*, N>& items) {
  return ItemList{items.data(), N};
}

constexpr ItemList kNoItems{nullptr, 0};
const ItemList kPageItems = Items(kPages);
const ItemList kModeItems = Items(kEncodeModeTexts);
const ItemList kSubpelItems = Items(kSubpelTexts);
const ItemList kMethodItems = Items(kMotionSearchTexts);
const ItemList kDirectItems = Items(kDirect);
const ItemList kMuxerItems = Items(kMuxerTexts);
const ItemList kTrellisItems = Items(kTrellis);
const ItemList kMatrixItems = Items(kMatrixTexts);
const ItemList kAudioEncoderItems = Items(kAudioEncoderTexts);
const ItemList kX264SyntaxItems = Items(kX264SyntaxTexts);
const ItemList kWhenDoneItems = Items(kWhenDoneTexts);

const ControlSpec kControls[] = {
#define QV_CONTROL(ID, PAGE, KIND, TEXT, X, Y, W, H, STYLE, ITEMS, STATE, LO, HI, ENABLED, VISIBLE) \
  {ControlId::ID, Page::PAGE, ControlKind::KIND, TEXT, {X, Y, W, H}, STYLE, ITEMS, STATE, LO, HI, ENABLED, VISIBLE},
#include "form/controls.def"
#undef QV_CONTROL
};

const char* const kNames[] = {
#define QV_CONTROL(ID, PAGE, KIND, TEXT, X, Y, W, H, STYLE, ITEMS, STATE, LO, HI, ENABLED, VISIBLE) #ID,
#include "form/controls.def"
#undef QV_CONTROL
};

static_assert(sizeof(kControls) / sizeof(kControls[0]) == kControlCount);

}  // namespace

const ControlSpec& ControlRow(ControlId id) { return kControls[Index(id)]; }
const ControlSpec* AllControls() { return kControls; }

std::string_view ControlName(ControlId id) { return kNames[Index(id)]; }

}  // namespace qv
