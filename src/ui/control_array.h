#pragma once
// A control array (Index 0 to n-1) that remembers which element was last brought to front.
#include <array>
#include <cstddef>

namespace sentrel {

template <class T, std::size_t N>
class ControlArray {
public:
    template <class... Names>
    explicit ControlArray(Names&&... names) : items_{T(std::forward<Names>(names))...} {}

    constexpr std::size_t Count() const { return N; }
    T& operator[](std::size_t index) { return items_.at(index); }
    const T& operator[](std::size_t index) const { return items_.at(index); }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    // ZOrder 0 on element i.
    void BringToFront(std::size_t index) {
        front_ = index;
        items_.at(index).ZOrder();
    }
    std::size_t FrontIndex() const { return front_; }

private:
    std::array<T, N> items_;
    std::size_t front_ = 0;
};

}  // namespace sentrel
