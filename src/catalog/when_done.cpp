#include "catalog/when_done.h"

#include "catalog/table_rows.h"

namespace qv {
namespace {

constexpr WhenDoneSpec kWhenDone[kWhenDoneCount] = {
    {"When done: nothing", nullptr},
    {"When done: close quorvelan", "The queue has ended: quorvelan closes."},
    {"When done: sleep", "The queue has ended: the computer goes to sleep."},
    {"When done: hibernate", "The queue has ended: the computer hibernates."},
    {"When done: shut down", "The queue has ended: the computer shuts down."},
};
static_assert(static_cast<int>(WhenDone::ShutDown) + 1 == kWhenDoneCount);

}  // namespace

constexpr std::array<const char*, kWhenDoneCount> kWhenDoneTexts = ListTexts(kWhenDone);

const WhenDoneSpec* FindWhenDone(int index) { return RowAt(kWhenDone, index); }

}  // namespace qv
