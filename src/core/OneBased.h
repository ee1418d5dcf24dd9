#pragma once
// A fixed array indexed from 1 to N, as the program's tables are numbered. Index 0 exists but is
// not part of the table; an index outside 0..N throws std::out_of_range rather than corrupting
// memory.

#include <array>
#include <cstddef>

namespace orvela {

template <class T, std::size_t N>
class OneBased {
public:
    static constexpr std::size_t size() { return N; }
    T& operator[](std::size_t i) { return items_.at(i); }
    const T& operator[](std::size_t i) const { return items_.at(i); }
    void fill(const T& v) { items_.fill(v); }
    // Iterates over entries 1..N.
    auto begin() { return items_.begin() + 1; }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin() + 1; }
    auto end() const { return items_.end(); }

private:
    std::array<T, N + 1> items_{};
};

} // namespace orvela
