#include "form/control_table.h"

namespace qv {
namespace {

const char* const kPages[] = {"Bitrate", "Rate Control", "MBs&&Frames", "More", "Job"};
const char* const kModes[] = {
    "Single Pass - Bitrate",
    "Single Pass - Quantizer",
    "Single Pass - CRF",
    "Mutipass - First Pass",
    "Mutipass - First Pass(fast)",
    "Mutipass - Nth pass",
    "Automated Double Passes",
    "Automated Double Passes(fast)",
    "Mutipass - First Pass(CRF)",
    "Mutipass - First Pass(CRF-fast)",
    "Automated Double Passes(1P-CRF)",
    "Automated Double Passes(1P-CRF-fast)",
    "Mutipass - First Pass(CRF with output)",
    "Conditional Double Passes(1P-CRF)",
};
const char* const kSubpel[] = {"1(Fastest)", "2",      "3",
                               "4",          "5(Highest)", "6(RDO)",
                               "6b(RDO on B-frames)", "7(Best)", "7b(RDO on B-frames)"};
const char* const kMethods[] = {"Diamond Search", "Hexagonal Search", "Uneven Muti-Hexagon",
                                "Exhaustive Search"};
const char* const kDirect[] = {"Temporal", "Spatial", "Auto"};
const char* const kAudioEncoders[] = {"CT AAC",    "Nero",    " |-sse2", "Nero(ABR)",
                                      " |-sse2",   "Nero(Q)", " |-sse2"};
const char* const kMuxers[] = {"MP4Box", "MP4Creator", "MKVMerge", "No mux", "Audio Only"};
const char* const kTrellis[] = {"0", "1", "2"};
const char* const kMatrices[] = {"flat", "jvt", "custom..."};

template <std::size_t N>
constexpr ItemList Items(const char* const (&items)[N]) {
  return ItemList{items, N};
}

constexpr ItemList kNoItems{nullptr, 0};
const ItemList kPageItems = Items(kPages);
const ItemList kModeItems = Items(kModes);
const ItemList kSubpelItems = Items(kSubpel);
const ItemList kMethodItems = Items(kMethods);
const ItemList kDirectItems = Items(kDirect);
const ItemList kMuxerItems = Items(kMuxers);
const ItemList kTrellisItems = Items(kTrellis);
const ItemList kMatrixItems = Items(kMatrices);
const ItemList kAudioEncoderItems = Items(kAudioEncoders);

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

ItemList PageItems() { return kPageItems; }
ItemList ModeItems() { return kModeItems; }
ItemList SubpelItems() { return kSubpelItems; }
ItemList MethodItems() { return kMethodItems; }
ItemList DirectItems() { return kDirectItems; }
ItemList AudioEncoderItems() { return kAudioEncoderItems; }
ItemList MuxerItems() { return kMuxerItems; }
ItemList TrellisItems() { return kTrellisItems; }
ItemList MatrixItems() { return kMatrixItems; }

std::string_view ItemText(ItemList list, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= list.count) return {};
  return list.items[index];
}

std::string_view ControlName(ControlId id) { return kNames[Index(id)]; }

}  // namespace qv
