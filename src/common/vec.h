#pragma once
// The owned-pointer array that holds the client's lists of records. Every
// indexed access is checked; a bad index or a missing element is reported
// (and the access yields nothing) instead of touching memory it should not.
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "common/InternalErrorReport.h"

namespace parlevox {

template <typename T>
class vec {
public:
    // Line numbers the report names for the two checks.
    static constexpr int kBadIndexLine = 139;
    static constexpr int kNullElementLine = 140;

    vec() = default;
    vec(const vec&) = delete;
    vec& operator=(const vec&) = delete;
    vec(vec&&) noexcept = default;
    vec& operator=(vec&&) noexcept = default;

    int Length() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }

    T* Append(std::unique_ptr<T> item) {
        items_.push_back(std::move(item));
        return items_.back().get();
    }
    template <typename... Args>
    T* Emplace(Args&&... args) {
        return Append(std::make_unique<T>(std::forward<Args>(args)...));
    }

    // The element at index, or null after a report.
    T* Get(int index) const {
        if (!ValidIndex(index)) return nullptr;
        T* item = items_[static_cast<size_t>(index)].get();
        if (!item) InternalErrorReport("vec.h", kNullElementLine);
        return item;
    }
    T* operator[](int index) const { return Get(index); }

    // Puts a new element in a slot, dropping the old one.
    void Set(int index, std::unique_ptr<T> item) {
        if (ValidIndex(index)) items_[static_cast<size_t>(index)] = std::move(item);
    }
    // Takes the element out of the array; the slot closes up.
    std::unique_ptr<T> Take(int index) {
        if (!ValidIndex(index)) return nullptr;
        auto item = std::move(items_[static_cast<size_t>(index)]);
        items_.erase(items_.begin() + index);
        return item;
    }
    void Remove(int index) { Take(index); }
    void Insert(int index, std::unique_ptr<T> item) {
        if (index < 0 || index > Length()) {
            InternalErrorReport("vec.h", kBadIndexLine);
            return;
        }
        items_.insert(items_.begin() + index, std::move(item));
    }
    void Clear() { items_.clear(); }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    bool ValidIndex(int index) const {
        if (index >= 0 && index < Length()) return true;
        InternalErrorReport("vec.h", kBadIndexLine);
        return false;
    }

    std::vector<std::unique_ptr<T>> items_;
};

}  // namespace parlevox
