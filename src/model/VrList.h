#pragma once

#include <algorithm>
#include <memory>
#include <vector>

// An owning list of elements kept by pointer, so an element's address stays
// valid while the list grows (layers link to each other, the window keeps
// pointers to readings). Capacity starts at GrowBy and grows in steps of
// GrowBy; Clear restarts with that capacity.
template <typename T> class TVrList {
public:
    static constexpr int GrowBy = 10;

    TVrList() { items_.reserve(GrowBy); }
    TVrList(const TVrList&) = delete;
    TVrList& operator=(const TVrList&) = delete;
    virtual ~TVrList() = default;

    // Appends and takes ownership; returns the element.
    T* Add(std::unique_ptr<T> item) {
        // The capacity reported grows in steps of GrowBy; the storage itself
        // grows geometrically so a long list costs no quadratic copying.
        if (Count() == capacity_)
            capacity_ += GrowBy;
        items_.push_back(std::move(item));
        return items_.back().get();
    }

    // The element at index, or nullptr outside 0..Count()-1.
    T* Get(int index) const {
        if (index < 0 || index >= Count())
            return nullptr;
        return items_[static_cast<size_t>(index)].get();
    }

    // Deletes the element; false (and nothing changed) when it is not ours.
    bool Remove(const T* item) {
        auto it = std::find_if(items_.begin(), items_.end(),
                               [item](const std::unique_ptr<T>& p) { return p.get() == item; });
        if (it == items_.end())
            return false;
        items_.erase(it);
        return true;
    }

    void Clear() {
        items_.clear();
        items_.shrink_to_fit();
        capacity_ = GrowBy;
        items_.reserve(GrowBy);
    }

    int Count() const { return static_cast<int>(items_.size()); }
    int Capacity() const { return capacity_; }

    // Sorts by `less`, keeping the order of equal elements.
    template <typename Less> void StableSort(Less less) {
        std::stable_sort(
            items_.begin(), items_.end(),
            [&](const std::unique_ptr<T>& a, const std::unique_ptr<T>& b) { return less(*a, *b); });
    }

    // Range-for over the elements as T&.
    class Iterator {
    public:
        using Inner = typename std::vector<std::unique_ptr<T>>::const_iterator;
        explicit Iterator(Inner it) : it_(it) {}
        T& operator*() const { return **it_; }
        T* operator->() const { return it_->get(); }
        Iterator& operator++() {
            ++it_;
            return *this;
        }
        bool operator!=(const Iterator& o) const { return it_ != o.it_; }
        bool operator==(const Iterator& o) const { return it_ == o.it_; }

    private:
        Inner it_;
    };
    Iterator begin() const { return Iterator(items_.begin()); }
    Iterator end() const { return Iterator(items_.end()); }

private:
    std::vector<std::unique_ptr<T>> items_;
    int capacity_ = GrowBy;
};
