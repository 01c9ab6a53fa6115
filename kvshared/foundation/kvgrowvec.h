// The storage behind the object and word arrays: a vector with lower index 0 that starts
// with 11 slots and grows in steps of 2 when an insertion needs a slot beyond its
// capacity. Gaps and freed slots hold value-initialised elements (null pointers, zero
// words). It never shrinks.
#pragma once

#include <algorithm>
#include <memory>

template <typename T>
class KvGrowVector {
public:
    static constexpr int kInitialCapacity = 11;
    static constexpr int kGrowthStep = 2;

    KvGrowVector() : m_data(std::make_unique<T[]>(kInitialCapacity)), m_capacity(kInitialCapacity) {}

    int Size() const { return m_size; }
    int Capacity() const { return m_capacity; }
    T& operator[](int index) { return m_data[index]; }
    const T& operator[](int index) const { return m_data[index]; }

    // Inserts value before index (0 <= index); an index beyond the size first extends the
    // size to index with empty elements.
    void InsertAt(int index, const T& value)
    {
        if (index >= m_capacity)
            Grow(index + 1);
        if (m_size == m_capacity)
            Grow(m_capacity + 1);
        if (index > m_size)
            m_size = index;
        for (int i = m_size; i > index; --i)
            m_data[i] = m_data[i - 1];
        m_data[index] = value;
        ++m_size;
    }

    // Removes the element at index (0 <= index); later elements move down and the freed
    // slot is cleared. An index at or beyond the size only clears that slot.
    void RemoveAt(int index)
    {
        if (index < m_size) {
            --m_size;
            for (int i = index; i < m_size; ++i)
                m_data[i] = m_data[i + 1];
            m_data[m_size] = T();
        } else if (index < m_capacity) {
            m_data[index] = T();
        }
    }

    void Clear()
    {
        std::fill(m_data.get(), m_data.get() + m_capacity, T());
        m_size = 0;
    }

private:
    // New capacity = old + (needed - old) rounded up to the growth step.
    void Grow(int needed)
    {
        if (needed <= m_capacity)
            return;
        const int extra = needed - m_capacity;
        const int newCapacity = m_capacity + (extra + kGrowthStep - 1) / kGrowthStep * kGrowthStep;
        auto data = std::make_unique<T[]>(static_cast<std::size_t>(newCapacity));
        std::copy(m_data.get(), m_data.get() + m_size, data.get());
        m_data = std::move(data);
        m_capacity = newCapacity;
    }

    std::unique_ptr<T[]> m_data;
    int m_capacity;
    int m_size = 0;
};
