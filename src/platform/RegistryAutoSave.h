#pragma once
// Brings the store's changes to the disk: an atomic save about a second
// after the last change (a burst of writes gives one save), at the latest a
// few seconds after the first unsaved one even while changes keep coming,
// and once more when the saver goes at exit. A failed save is tried again
// later. The registry must outlive its saver.
#include <cstdint>

#include "platform/MessageTarget.h"
#include "platform/Registry.h"

namespace parlevox {

struct AutoSaveTiming {
    uint32_t quietMs = 1000;    // after the last change
    uint32_t longestMs = 5000;  // after the first unsaved change
    uint32_t retryMs = 5000;    // after a failed save
};

class RegistryAutoSave final : public MessageTarget {
public:
    RegistryAutoSave(EventLoop& loop, Registry& registry, AutoSaveTiming timing = {});
    ~RegistryAutoSave() override;

    // Saves now if anything changed; false when the save failed.
    bool SaveNow();
    int FailedSaves() const { return failedSaves_; }
    bool Pending() const { return armed_; }

    void OnTimer(uint32_t timerId) override;

private:
    static constexpr uint32_t kTimerId = 1;

    void OnChange();
    void Arm(uint64_t dueMs);

    Registry& registry_;
    AutoSaveTiming timing_;
    bool armed_ = false;
    uint64_t firstChangeMs_ = 0;
    uint64_t dueMs_ = 0;
    int failedSaves_ = 0;
};

}  // namespace parlevox
