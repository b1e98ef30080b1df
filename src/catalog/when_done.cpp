#include "catalog/when_done.h"

#include "catalog/table_rows.h"

namespace qv {
namespace {

constexpr WhenDoneSpec kWhenDone[kWhenDoneCount] = {
    {"Do nothing", WhenDone::Nothing, nullptr},
    {"Close quorvelan", WhenDone::Close, "quorvelan closes"},
    {"Sleep", WhenDone::Sleep, "The computer goes to sleep"},
    {"Hibernate", WhenDone::Hibernate, "The computer hibernates"},
    {"Shut down", WhenDone::ShutDown, "The computer shuts down"},
};

}  // namespace

constexpr std::array<const char*, kWhenDoneCount> kWhenDoneTexts = ListTexts(kWhenDone);

const WhenDoneSpec* FindWhenDone(int index) { return RowAt(kWhenDone, index); }

}  // namespace qv
